#pragma once
#include <windows.h>

// Whether Windows plays Start Windows, Exit Windows and Windows Unlock by
// itself, as it reports itself to a program with Chimelo's manifest:
// Windows 7 does; since Windows 8 it no longer does, whatever sounds the
// scheme gives them.
bool SystemPlaysSessionSounds();

// sndPlaySoundW with SND_ASYNC | SND_NODEFAULT (3): returns at once, cuts
// off a sound still playing, and stays silent for a file it cannot play.
// The path is UTF-8.
void PlaySoundFile(const char* path);

// PlaySoundW with a sound event's alias ("SystemStart"): the system's own
// lookup of the file it plays for the event, and silence, never the
// default beep, where it finds none. Returns at once.
void PlayEventSound(const wchar_t* alias);

// The same, to the sound's end or until limitMs have passed, when it is cut
// off: the call returns by then, whatever the player does.
void PlayEventSoundToItsEnd(const wchar_t* alias, DWORD limitMs);

// What PlayEventSoundToItsEnd does with a sound call of the form of
// PlaySoundW, which it calls with a NULL sound to stop the sound. The
// alias must live as long as the program: a player that hangs keeps it.
using SoundCall = BOOL(WINAPI*)(const wchar_t* sound, HMODULE module, DWORD flags);
void PlayToItsEnd(SoundCall play, const wchar_t* alias, DWORD limitMs);
