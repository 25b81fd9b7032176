#include "platform/Sound.h"

#include <windows.h>

#include <mmsystem.h>

void PlaySoundFile(const char* path) { sndPlaySoundA(path, SND_ASYNC | SND_NODEFAULT); }
