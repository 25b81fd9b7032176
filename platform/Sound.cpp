#include "platform/Sound.h"

#include <mmsystem.h>

namespace {

// winmm is loaded at the first sound, not with the program: it brings the
// sound system with it, which a start-up need not wait for.
HMODULE Winmm() {
  static const HMODULE library = LoadLibraryA("winmm.dll");
  return library;
}

template <class Entry>
Entry Lookup(const char* name) {
  return reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(Winmm(), name)));
}

decltype(&PlaySoundA) PlaySoundEntry() {
  static const auto play = Lookup<decltype(&PlaySoundA)>("PlaySoundA");
  return play;
}

constexpr DWORD EventFlags = SND_ALIAS | SND_NODEFAULT;
// A stopped sound lets its thread go at once; the caller waits no longer.
constexpr DWORD StopMs = 1000;

DWORD WINAPI PlayToItsEnd(void* alias) {
  PlaySoundEntry()(static_cast<const char*>(alias), nullptr, EventFlags | SND_SYNC);
  return 0;
}

}  // namespace

void PlaySoundFile(const char* path) {
  static const auto play = Lookup<decltype(&sndPlaySoundA)>("sndPlaySoundA");
  if (play) play(path, SND_ASYNC | SND_NODEFAULT);
}

void PlayEventSound(const char* alias) {
  if (auto play = PlaySoundEntry()) play(alias, nullptr, EventFlags | SND_ASYNC);
}

// PlaySoundA tells neither the length of a sound nor its end when it plays
// asynchronously: a thread of its own plays it synchronously, and a sound
// still playing at the limit is stopped, which ends that thread soon after.
void PlayEventSoundToItsEnd(const char* alias, DWORD limitMs) {
  auto play = PlaySoundEntry();
  if (!play) return;
  HANDLE player = CreateThread(nullptr, 0, PlayToItsEnd, const_cast<char*>(alias), 0, nullptr);
  if (!player) return;
  if (WaitForSingleObject(player, limitMs) == WAIT_TIMEOUT) {
    play(nullptr, nullptr, 0);
    WaitForSingleObject(player, StopMs);
  }
  CloseHandle(player);
}
