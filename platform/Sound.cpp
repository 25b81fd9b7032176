#include "platform/Sound.h"

#include <mmsystem.h>
#include <versionhelpers.h>

#include "platform/SystemLibrary.h"
#include "platform/WideText.h"

namespace {

// winmm is loaded at the first sound, not with the program: it brings the
// sound system with it, which a start-up need not wait for.
HMODULE Winmm() {
  static const HMODULE library = LoadSystemLibrary(L"winmm.dll");
  return library;
}

template <class Entry>
Entry Lookup(const char* name) {
  return LibraryEntry<Entry>(Winmm(), name);
}

decltype(&PlaySoundW) PlaySoundEntry() {
  static const auto play = Lookup<decltype(&PlaySoundW)>("PlaySoundW");
  return play;
}

constexpr DWORD EventFlags = SND_ALIAS | SND_NODEFAULT;
// A stopped sound lets its player go at once.
constexpr DWORD StopMs = 200;

// The one sound played to its end, kept for its threads, which may outlive
// the call that started them.
struct {
  SoundCall play;
  const wchar_t* alias;
} playing;

DWORD WINAPI Play(void*) {
  playing.play(playing.alias, nullptr, EventFlags | SND_SYNC);
  return 0;
}

DWORD WINAPI Stop(void*) {
  playing.play(nullptr, nullptr, 0);
  return 0;
}

}  // namespace

bool SystemPlaysSessionSounds() { return !IsWindows8OrGreater(); }

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

void PlayEventSoundToItsEnd(const wchar_t* alias, DWORD limitMs) {
  if (auto play = PlaySoundEntry()) PlayToItsEnd(play, alias, limitMs);
}

// PlaySoundW tells neither the length of a sound nor its end when it plays
// asynchronously: a thread of its own plays it synchronously. StopMs before
// the limit another thread stops it, since a stop may wait for the player
// without end (Wine's does, for a device that hangs), and the call waits
// for neither past the limit. A thread still hanging ends with the process.
void PlayToItsEnd(SoundCall play, const wchar_t* alias, DWORD limitMs) {
  playing = {play, alias};
  HANDLE player = CreateThread(nullptr, 0, Play, nullptr, 0, nullptr);
  if (!player) return;
  if (WaitForSingleObject(player, limitMs > StopMs ? limitMs - StopMs : 0) == WAIT_TIMEOUT) {
    if (HANDLE stopper = CreateThread(nullptr, 0, Stop, nullptr, 0, nullptr)) CloseHandle(stopper);
    WaitForSingleObject(player, StopMs);
  }
  CloseHandle(player);
}
