#pragma once
#include <windows.h>

#include <atomic>

#include "platform/ProgressDialog.h"
#include "platform/WideText.h"
#include "scheme/NameList.h"

// A batch of sounds of other formats becoming levelled WAV copies in the
// user's sounds folder, off the window's thread. The window's thread fills
// it in and starts the worker, which touches nothing else; the worker posts
// its questions and its end to the window, which reads the results after
// the end.
struct SoundConversion {
  // Sounds longer than this are asked about: only their start may be kept.
  static constexpr double CutSeconds = 10;
  // Longer ones are not converted whole: an event's sound of that length is
  // a mistake, and its samples would fill a 32-bit program's memory.
  static constexpr double LongestSeconds = 300;
  static constexpr UINT AskToCut = WM_APP + 1, Done = WM_APP + 2;

  SoundConversion() = default;
  SoundConversion(const SoundConversion&) = delete;
  SoundConversion& operator=(const SoundConversion&) = delete;
  ~SoundConversion();

  // Runs ConvertSounds on a thread of its own; false when none could start.
  bool Start();

  HWND window = nullptr;
  int event = 0;
  NameList sources;
  int total = 0;
  char folder[PathBytes] = "";

  std::atomic<bool> cancel{false};
  std::atomic<int> finished{0};  // sources done with, for the progress
  // Set once the window has answered AskToCut, or on cancel.
  HANDLE answered = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::atomic<bool> cut{false};
  bool asked = false;  // the worker's own

  NameList copies, unreadable, tooLong;
  bool noMediaFoundation = false;

  HANDLE thread = nullptr;
  TProgressDialog progress;
  DWORD started = GetTickCount();
};
