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
const char PendingName[] = ".\\chimelo.ini.new";

struct Name {
  char text[12];
  explicit Name(int number) { std::snprintf(text, sizeof text, "%d", number); }
};

bool HasSounds(const SoundTable& sounds) {
  for (int event = 0; event < EventCount; ++event)
    if (sounds.SoundCount(event) > 0) return true;
  return false;
}

bool WriteAll(const SoundTable& sounds, const char* file) {
  for (int event = 0; event < EventCount; ++event) {
    Name section(EventNumber(event));
    for (int slot = 0; slot < sounds.SoundCount(event); ++slot)
      if (!WriteProfileValue(section.text, Name(slot + 1).text, sounds.Read(event, slot), file))
        return false;
  }
  return true;
}

}  // namespace

void LoadSettings(SoundTable& sounds) {
  sounds.Clear();
  if (!FileExists(ExistenceName)) return;
  for (int event = 0; event < EventCount; ++event) {
    Name section(EventNumber(event));
    for (int slot = 0; slot < MaxSoundsPerEvent; ++slot) {
      ReadProfileValue(section.text, Name(slot + 1).text, sounds.Slot(event, slot), SoundPathSize,
                       ProfileName);
      if (sounds.Read(event, slot)[0] == '\0') break;
    }
  }
}

bool SaveSettings(const SoundTable& sounds) {
  // A pending file left by an interrupted save must not seed this one.
  RemoveFile(PendingName);
  if (!HasSounds(sounds)) return RemoveFile(ProfileName) || !FileExists(ExistenceName);
  if (FileExists(PendingName)) return false;

  if (WriteAll(sounds, PendingName) && MoveFileOver(PendingName, ProfileName)) return true;
  RemoveFile(PendingName);
  return false;
}
