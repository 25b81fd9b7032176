#include "app/SessionSounds.h"

#include <cwchar>

#include "platform/Sound.h"
#include "scheme/EventTable.h"

namespace {

const wchar_t StartAlias[] = L"SystemStart", ExitAlias[] = L"SystemExit",
              UnlockAlias[] = L"WindowsUnlock";
const wchar_t ExitReason[] = L"Playing the exit sound";
const DWORD LongestExitMs = 10000;

// The event's current value names a file that is there.
bool HasSound(const wchar_t* alias) {
  wchar_t key[96] = L"AppEvents\\Schemes\\Apps\\.Default\\", path[SoundPathSize];
  std::wcscat(std::wcscat(key, alias), L"\\.current");
  DWORD size = sizeof path;
  // A REG_EXPAND_SZ value (%SystemRoot%\media\...) comes back expanded.
  if (RegGetValueW(HKEY_CURRENT_USER, key, nullptr, RRF_RT_REG_SZ, nullptr, path, &size) !=
          ERROR_SUCCESS ||
      path[0] == L'\0')
    return false;
  DWORD attributes = GetFileAttributesW(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

void PlayStartSound() {
  if (!SystemPlaysSessionSounds()) PlayEventSound(StartAlias);
}

void PlayUnlockSound() {
  if (!SystemPlaysSessionSounds()) PlayEventSound(UnlockAlias);
}

void PlayExitSound(HWND frame) {
  if (SystemPlaysSessionSounds() || !HasSound(ExitAlias)) return;
  ShutdownBlockReasonCreate(frame, ExitReason);
  PlayEventSoundToItsEnd(ExitAlias, LongestExitMs);
  ShutdownBlockReasonDestroy(frame);
}
