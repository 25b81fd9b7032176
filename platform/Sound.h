#pragma once

// sndPlaySoundA with SND_ASYNC | SND_NODEFAULT (3): returns at once, cuts
// off a sound still playing, and stays silent for a file it cannot play.
void PlaySoundFile(const char* path);
