// Saves the two sample tables into chimelo.ini in the current directory, one
// after the other, until it is killed. It signals the event named on its
// command line once it is about to start, so that the crash test's random
// delays count from the first save, not from Wine's process start-up.
#include <windows.h>

#include <memory>

#include "helpers/settings-saver/SampleTables.h"
#include "scheme/Settings.h"

const char SettingsName[] = ".\\chimelo.ini";

int main(int argc, char** argv) {
  auto a = std::make_unique<SoundTable>(), b = std::make_unique<SoundTable>();
  FillSample(*a, 'A');
  FillSample(*b, 'B');
  if (argc > 1) {
    HANDLE started = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1]);
    if (started) SetEvent(started);
  }
  for (;;) {
    SaveSettings(*a, SettingsName);
    SaveSettings(*b, SettingsName);
  }
}
