// The exit sound holds the session's end no longer than its limit, even
// when the player never comes back from the stop, as Wine's may not for an
// audio device that hangs. A stand-in plays the part of PlaySoundW.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/Sound.h"

namespace {

HANDLE never = CreateEventW(nullptr, TRUE, FALSE, nullptr);

BOOL WINAPI HangingPlayer(const wchar_t*, HMODULE, DWORD) {
  WaitForSingleObject(never, INFINITE);
  return TRUE;
}

TEST(ExitHoldTest, TheHoldEndsAtItsLimitWhenTheStopNeverReturns) {
  const DWORD start = GetTickCount();
  PlayToItsEnd(HangingPlayer, L"SystemExit", 2000);
  EXPECT_LE(GetTickCount() - start, 2500u);
}

}  // namespace
