#include "scheme/Settings.h"

#include <cstdio>

#include "platform/Files.h"
#include "platform/ProfileFile.h"
#include "scheme/SoundTable.h"

namespace {

// The existence test takes the bare name; the profile calls need ".\" to
// stay in the current directory.
const char ExistenceName[] = "chimelo.ini";
const char ProfileName[] = ".\\chimelo.ini";

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
    Name section(EventNumber(event));
    for (int slot = 0; slot < sounds.SoundCount(event); ++slot)
      if (!WriteProfileValue(section.text, Name(slot + 1).text, sounds.Read(event, slot), file))
        return false;
  }
  return true;
}

}  // namespace

bool LoadSettings(SoundTable& sounds) {
  sounds.Clear();
  if (!FileExists(ExistenceName)) return true;
  // The profile calls read a file they cannot open as an empty one.
  if (!FileCanBeRead(ProfileName)) return false;
  for (int event = 0; event < EventCount; ++event) {
    Name section(EventNumber(event));
    for (int slot = 0; slot < MaxSoundsPerEvent; ++slot) {
      ReadProfileValue(section.text, Name(slot + 1).text, SoundPathSize, sounds.Slot(event, slot),
                       SoundPathBytes, ProfileName);
      if (sounds.Read(event, slot)[0] == '\0') break;
    }
  }
  return true;
}

bool SaveSettings(const SoundTable& sounds) {
  if (sounds.IsEmpty()) return RemoveFile(ProfileName) || !FileExists(ExistenceName);
  // A name of its own, which no other file has: the save deletes only what
  // it made.
  char pending[UniqueNameSize];
  if (!CreateUniqueFile(".", "chi", pending)) return false;
  if (WriteAll(sounds, pending) && MoveFileOver(pending, ProfileName)) return true;
  RemoveFile(pending);
  return false;
}
