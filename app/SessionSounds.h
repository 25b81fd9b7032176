#pragma once
#include <windows.h>

// Since Windows 8 the system no longer plays Start Windows, Exit Windows and
// Windows Unlock, whatever sounds the scheme gives them: there, and only there, Chimelo
// plays them itself, each through the system's own lookup of the event's
// current sound. Elsewhere these do nothing.

// Start Windows, once, without waiting for its end: at sign-in, never at a
// start by hand or a restart.
void PlayStartSound();

// Windows Unlock, the same way, as the session is unlocked. Windows tells
// no lock, so nothing plays then.
void PlayUnlockSound();

// Exit Windows, to its end or for 10 s at most, while the frame holds the
// session's end with a reason that Windows shows beside Chimelo's name. An
// empty value, or a file that is gone, plays nothing and holds nothing.
void PlayExitSound(HWND frame);
