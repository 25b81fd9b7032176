#include "platform/Sound.h"

#include <mmsystem.h>

#include "platform/WideText.h"

namespace {

// winmm is loaded at the first sound, not with the program: it brings the
// sound system with it, which a start-up need not wait for.
HMODULE Winmm() {
  static const HMODULE library = LoadLibraryW(L"winmm.dll");
  return library;
}

template <class Entry>
Entry Lookup(const char* name) {
  return reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(Winmm(), name)));
}

decltype(&PlaySoundW) PlaySoundEntry() {
  static const auto play = Lookup<decltype(&PlaySoundW)>("PlaySoundW");
  return play;
}

constexpr DWORD EventFlags = SND_ALIAS | SND_NODEFAULT;
// A stopped sound lets its thread go at once; the caller waits no longer.
constexpr DWORD StopMs = 1000;

DWORD WINAPI PlayToItsEnd(void* alias) {
  PlaySoundEntry()(static_cast<const wchar_t*>(alias), nullptr, EventFlags | SND_SYNC);
  return 0;
}

}  // namespace

// Wine's player opens a file by its name in the ANSI code page: a name the
// code page cannot hold is reached by its short name, where it has one.
void PlaySoundFile(const char* path) {
  static const auto play = Lookup<decltype(&sndPlaySoundW)>("sndPlaySoundW");
  if (!play) return;
  WideText name(path);
  wchar_t shortName[MAX_PATH];
  const DWORD length = GetShortPathNameW(name, shortName, MAX_PATH);
  play(length > 0 && length < MAX_PATH ? shortName : name, SND_ASYNC | SND_NODEFAULT);
}

void PlayEventSound(const wchar_t* alias) {
  if (auto play = PlaySoundEntry()) play(alias, nullptr, EventFlags | SND_ASYNC);
}

// PlaySoundW tells neither the length of a sound nor its end when it plays
// asynchronously: a thread of its own plays it synchronously, and a sound
// still playing at the limit is stopped, which ends that thread soon after.
void PlayEventSoundToItsEnd(const wchar_t* alias, DWORD limitMs) {
  auto play = PlaySoundEntry();
  if (!play) return;
  HANDLE player = CreateThread(nullptr, 0, PlayToItsEnd, const_cast<wchar_t*>(alias), 0, nullptr);
  if (!player) return;
  if (WaitForSingleObject(player, limitMs) == WAIT_TIMEOUT) {
    play(nullptr, nullptr, 0);
    WaitForSingleObject(player, StopMs);
  }
  CloseHandle(player);
}
