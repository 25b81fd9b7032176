#pragma once
#include <windows.h>

// sndPlaySoundW with SND_ASYNC | SND_NODEFAULT (3): returns at once, cuts
// off a sound still playing, and stays silent for a file it cannot play.
// The path is UTF-8.
void PlaySoundFile(const char* path);

// PlaySoundW with a sound event's alias ("SystemStart"): the system's own
// lookup of the file it plays for the event, and silence, never the
// default beep, where it finds none. Returns at once.
void PlayEventSound(const wchar_t* alias);

// The same, to the sound's end or for limitMs at most, when it is cut off.
void PlayEventSoundToItsEnd(const wchar_t* alias, DWORD limitMs);
