#include "platform/Sound.h"

#include <windows.h>

#include <mmsystem.h>

namespace {
// winmm is loaded at the first preview, not with the program: it brings
// the sound system with it, which a start-up need not wait for.
decltype(&sndPlaySoundA) play;
}  // namespace

void PlaySoundFile(const char* path) {
  if (!play)
    play = reinterpret_cast<decltype(play)>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("winmm.dll"), "sndPlaySoundA")));
  if (play) play(path, SND_ASYNC | SND_NODEFAULT);
}
