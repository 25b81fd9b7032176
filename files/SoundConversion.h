#pragma once
#include <windows.h>

#include <atomic>
#include <memory>

#include "platform/WideText.h"
#include "scheme/NameList.h"
#include "scheme/SoundBatch.h"

// A batch of sounds of other formats becoming levelled WAV copies in the
// user's sounds folder, off the window's thread. The window's thread fills
// it in and starts the worker; the worker posts its questions and its end
// to the window. Both hold the job: at its end the window lets go without
// waiting for a decoder that may take its time.
struct SoundConversion {
  // Sounds longer than this are asked about: only their start may be kept.
  static constexpr double CutSeconds = 10;
  // The most samples a source may decode to: 5 minutes of 48 kHz stereo,
  // 115 MB of floats, which a 32-bit program holds with room to spare. A
  // source that would take more is refused, or decoded only as far as it
  // is kept.
  static constexpr double MostSamples = 300.0 * 48000 * 2;
  static constexpr UINT AskToCut = WM_APP + 1, Done = WM_APP + 2;

  SoundConversion() = default;
  SoundConversion(const SoundConversion&) = delete;
  SoundConversion& operator=(const SoundConversion&) = delete;
  ~SoundConversion();

  // Runs the batch on a thread of its own, which holds the job as well;
  // false when none could start.
  static bool Start(const std::shared_ptr<SoundConversion>& job);
  // The window stops the batch for good: from now on the worker writes
  // nothing and tells nothing. A copy being written is finished first.
  void Abandon();

  HWND window = nullptr;
  int event = 0;
  // The whole batch, in the order chosen; the worker names in it what it
  // could not convert.
  SoundBatch batch{0};
  NameList sources;  // those of the batch to convert, in order
  int total = 0;
  char folder[PathBytes] = "";

  std::atomic<bool> cancel{false};
  std::atomic<int> finished{0};  // sources done with, for the progress
  // Set once the window has answered AskToCut, or on cancel.
  HANDLE answered = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::atomic<bool> cut{false};
  bool asked = false;  // the worker's own

  // The worker's results, taken under the lock: each source done with
  // gives its copy's path, or "" where none was made.
  SRWLOCK lock = SRWLOCK_INIT;
  NameList copies;
  bool noMediaFoundation = false;
  bool abandoned = false;

  HANDLE thread = nullptr;
  DWORD started = GetTickCount();
};
