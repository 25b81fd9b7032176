#pragma once
#include <windows.h>

// Since Windows 8 the system no longer plays Start Windows and Exit Windows,
// whatever sounds the scheme gives them: there, and only there, Chimelo
// plays them itself, each through the system's own lookup of the event's
// current sound. Elsewhere these do nothing.

// The switch that the installer's sign-in shortcut passes, and only it: a
// start by hand plays no start sound.
constexpr char SignInSwitch[] = "/signin";
bool StartedAtSignIn(const char* commandLine);

// Start Windows, once, without waiting for its end.
void PlayStartSound();

// Exit Windows, to its end or for 10 s at most, while the frame holds the
// session's end with a reason that Windows shows beside Chimelo's name. An
// empty value, or a file that is gone, plays nothing and holds nothing.
void PlayExitSound(HWND frame);
