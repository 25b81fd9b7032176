#include "scheme/Settings.h"

#include <cstdio>
#include <cstring>

#include "platform/Files.h"
#include "platform/ProfileFile.h"
#include "scheme/SoundTable.h"

namespace {

struct Name {
  char text[12];
  explicit Name(int number) { std::snprintf(text, sizeof text, "%d", number); }
};

// Every path as it is in the ANSI code page: the form every Chimelo has
// read. Only a table that the code page cannot hold is written in UTF-16.
bool AnsiHoldsAll(const SoundTable& sounds) {
  for (int event = 0; event < EventCount; ++event)
    for (int slot = 0; slot < sounds.SoundCount(event); ++slot)
      if (!AnsiProfileHolds(sounds.Read(event, slot))) return false;
  return true;
}

bool WriteAll(const SoundTable& sounds, const char* file) {
  if (!AnsiHoldsAll(sounds) && !MakeUnicodeProfile(file)) return false;
  for (int event = 0; event < EventCount; ++event) {
    const char* section = EventKeyTable[event].section;
    for (int slot = 0; slot < sounds.SoundCount(event); ++slot)
      if (!WriteProfileValue(section, Name(slot + 1).text, sounds.Read(event, slot), file))
        return false;
  }
  return true;
}

}  // namespace

bool LoadSettings(SoundTable& sounds, const char* file) {
  sounds.Clear();
  if (!FileExists(file)) return true;
  // The profile calls read a file they cannot open as an empty one.
  if (!FileCanBeRead(file)) return false;
  for (int event = 0; event < EventCount; ++event) {
    const char* section = EventKeyTable[event].section;
    for (int slot = 0; slot < MaxSoundsPerEvent; ++slot) {
      ReadProfileValue(section, Name(slot + 1).text, SoundPathSize, sounds.Slot(event, slot),
                       SoundPathBytes, file);
      if (sounds.Read(event, slot)[0] == '\0') break;
    }
  }
  return true;
}

bool SaveSettings(const SoundTable& sounds, const char* file) {
  if (sounds.IsEmpty()) return RemoveFile(file) || !FileExists(file);
  // Beside it, under a name of its own, which no other file has: the save
  // deletes only what it made.
  char directory[UniqueNameSize], pending[UniqueNameSize];
  const char* name = std::strrchr(file, '\\');
  std::snprintf(directory, sizeof directory, "%.*s", name ? static_cast<int>(name - file) : 1,
                name ? file : ".");
  if (!CreateUniqueFile(directory, "chi", pending)) return false;
  if (WriteAll(sounds, pending) && FlushToDisk(pending) && MoveFileOver(pending, file)) return true;
  RemoveFile(pending);
  return false;
}
