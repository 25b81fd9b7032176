#include "app/SessionSounds.h"

#include <versionhelpers.h>

#include <cstring>

#include "platform/Sound.h"
#include "platform/WideText.h"
#include "scheme/EventTable.h"

namespace {

const int ExitEvent = 5;
const wchar_t StartAlias[] = L"SystemStart", ExitAlias[] = L"SystemExit";
const wchar_t ExitReason[] = L"Playing the exit sound";
const DWORD LongestExitMs = 10000;

// As the system reports itself to a program with Chimelo's manifest.
bool SystemPlaysStartAndExit() { return !IsWindows8OrGreater(); }

// The event's current value names a file that is there.
bool HasSound(int event) {
  wchar_t path[SoundPathSize];
  DWORD size = sizeof path;
  // A REG_EXPAND_SZ value (%SystemRoot%\media\...) comes back expanded.
  if (RegGetValueW(HKEY_CURRENT_USER, WideText(EventKeyTable[event]), nullptr, RRF_RT_REG_SZ,
                   nullptr, path, &size) != ERROR_SUCCESS ||
      path[0] == L'\0')
    return false;
  DWORD attributes = GetFileAttributesW(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool StartedAtSignIn(const char* commandLine) {
  commandLine += std::strspn(commandLine, " \t");
  const std::size_t length = sizeof SignInSwitch - 1;
  return _strnicmp(commandLine, SignInSwitch, length) == 0 &&
         commandLine[length + std::strspn(commandLine + length, " \t")] == '\0';
}

void PlayStartSound() {
  if (!SystemPlaysStartAndExit()) PlayEventSound(StartAlias);
}

void PlayExitSound(HWND frame) {
  if (SystemPlaysStartAndExit() || !HasSound(ExitEvent)) return;
  ShutdownBlockReasonCreate(frame, ExitReason);
  PlayEventSoundToItsEnd(ExitAlias, LongestExitMs);
  ShutdownBlockReasonDestroy(frame);
}
