#pragma once
// End-to-end tests that listen: every test file is a tone of its own
// frequency, and the test session records what Wine plays.
#include <algorithm>
#include <vector>

#include "BrowserTest.h"

using Tones = std::vector<double>;

struct ListeningTest : BrowserTest {
  e2e::SoundCapture capture{screenshots_ + "\\..\\wine\\capture.raw"};

  static constexpr double Low = 440, Middle = 660, High = 880, Higher = 1320;

  static void PutTone(const char* path, double frequency, long bytes = 22050) {
    ASSERT_TRUE(e2e::WriteToneWav(path, frequency, bytes));
  }

  // What sounds, of the test frequencies, in the ms after the mark: a tone
  // counts when it is clearly there, and not far below the loudest (a
  // loud tone brings faint overtones).
  std::vector<double> Heard(DWORD ms, DWORD skipMs = 0) {
    std::vector<short> samples = capture.After(ms);
    samples.erase(samples.begin(), samples.begin() + std::min<size_t>(samples.size(), skipMs * 8));
    const Tones all = {Low, Middle, High, Higher};
    std::vector<double> levels;
    for (double frequency : all) levels.push_back(e2e::ToneLevel(samples, frequency));
    const double loudest = *std::max_element(levels.begin(), levels.end());
    std::vector<double> heard;
    for (size_t i = 0; i < all.size(); ++i)
      if (levels[i] > 500 && levels[i] > loudest / 5) heard.push_back(all[i]);
    return heard;
  }

  // Wine may lose a program's first sound: one is played before the test.
  void WarmUp() {
    SelectWav("f:\\\\warm.wav");
    capture.Mark();
    Heard(600);
  }
};
