// Loudness read as EBU Tech 3341 checks a meter, and the levelled WAV copy.
#include "scheme/Loudness.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <vector>

namespace {

// A sine on every channel, in parts given as {dBFS peak, seconds} pairs.
std::vector<float> Tone(int channels, int rate, double hz, std::vector<double> parts) {
  std::vector<float> s;
  for (std::size_t i = 0; i < parts.size(); i += 2)
    for (long n = 0; n < channels * std::lround(parts[i + 1] * rate); ++n)
      s.push_back(std::pow(10, parts[i] / 20) * std::sin(2 * M_PI * hz * (n / channels) / rate));
  return s;
}

// The levelled copy's 16-bit samples, read back from its WAV image.
struct Copy : std::vector<float> {
  Copy(std::vector<float> sound, int channels, int rate, double cutSeconds) {
    Buffer<char> wav;
    MakeLevelledWav(sound.data(), sound.size() / channels, channels, rate, cutSeconds, wav);
    for (std::size_t at = 44; at < wav.Size(); at += 2)
      push_back(short((wav[at] & 0xFF) | (wav[at + 1] & 0xFF) << 8) / 32768.0f);
    for (float s : *this) peak = std::fmax(peak, std::fabs(s));
    truePeak = TruePeak(data(), size() / std::min(channels, 2), std::min(channels, 2));
  }
  float peak = 0;
  double truePeak = 0;
};

// The 10 kHz and 50 Hz readings are those of the recommendation's own 48 kHz filter; in the
// last two, the gates keep the quieter parts out of the reading. The 0.39 s and 0.1 s tones are
// measured over a block padded with silence.
TEST(LoudnessTest, TheReferenceSignalsReadTheirLoudnessThroughTheGates) {
  // clang-format off
  const struct { int rate; double hz, lufs; std::vector<double> parts; } cases[] = {
    {48000, 1000, -23, {-23, 20}}, {44100, 10000, -19.65, {-23, 5}}, {44100, 50, -27.63, {-23, 5}},
    {48000, 1000, -23.11, {-23, 0.39}}, {48000, 1000, -29.02, {-23, 0.1}},
    {48000, 1000, -23, {-36, 10, -23, 60, -36, 10}},
    {48000, 1000, -23, {-26, 20, -20, 20.1, -26, 20}}};
  // clang-format on
  for (const auto& c : cases) {
    const std::vector<float> s = Tone(2, c.rate, c.hz, c.parts);
    EXPECT_NEAR(IntegratedLoudness(s.data(), s.size() / 2, 2, c.rate), c.lufs, 0.1) << &c - cases;
  }
}

// A 1 kHz sine's peak in dBFS is its loudness as dual mono. The 10 Hz rumble reads 24 dB under
// its peak, so at -16 LUFS it would peak at +8 dBFS. Only the first, quieter 10 s are measured.
// The last sound, gated out, keeps its level: each side gets its front, and the centre and its
// surround at -3 dB, but no LFE. A 0.1 s tone is measured over a block, 6 dB under its own
// level; an 8 kHz strike whose samples fall 3 dB under its peaks, and a click, are held by their
// true peaks.
TEST(LoudnessTest, TheCopyIsCutAndLevelledWithItsTruePeakHeldUnderMinusOneDbtp) {
  const Copy mono(Tone(1, 44100, 1000, {-30, 5}), 1, 44100, 0);
  EXPECT_NEAR(IntegratedLoudness(mono.data(), 5 * 44100, 1, 44100), -16, 0.1);
  EXPECT_NEAR(mono.peak, std::pow(10, -16 / 20.0), 1e-3);
  EXPECT_LE(Copy(Tone(2, 48000, 10, {-6, 5}), 2, 48000, 0).peak, std::pow(10, -0.05));

  const Copy cut(Tone(6, 8000, 440, {-30, 10, -6, 20}), 6, 8000, 10);
  EXPECT_EQ(cut.size(), 2u * 10 * 8000);
  EXPECT_NEAR(IntegratedLoudness(cut.data(), 10 * 8000, 2, 8000), -16, 0.1);
  EXPECT_EQ(cut.back(), 0);

  EXPECT_NEAR(Copy(Tone(6, 48000, 1000, {-82, 2}), 6, 48000, 0).peak, 1.92e-4, 2e-5);
  EXPECT_NEAR(Copy(Tone(1, 48000, 1000, {-30, 0.1}), 1, 48000, 0).peak, std::pow(10, -0.5), 1e-3);
  std::vector<float> strike(800);
  for (int n = 0; n < 800; ++n) strike[n] = (n % 4 < 2 ? 1 : -1) * std::exp(-n / 100.0);
  EXPECT_LE(Copy(strike, 1, 8000, 0).truePeak, std::pow(10, -0.05));
  const std::vector<float> click = Tone(1, 48000, 12000, {-6, 0.0001, -HUGE_VAL, 0.0999});
  EXPECT_LE(Copy(click, 1, 48000, 0).truePeak, std::pow(10, -0.05));
}

// Nothing is appended where no WAV file can be made, and no sample is read past the frames
// kept. Samples that are not numbers, or too large to mix, are silence.
TEST(LoudnessTest, HostileArgumentsAreRefusedAndSamplesThatAreNotNumbersAreSilence) {
  std::vector<float> s = Tone(1, 48000, 1000, {-30, 1});
  s[10] = NAN, s[20] = INFINITY, s[30] = -INFINITY, s[40] = FLT_MAX;
  EXPECT_NEAR(Copy(s, 1, 48000, 0).peak, std::pow(10, -16 / 20.0), 1e-3);
  // clang-format off
  const struct { std::size_t frames; int channels, rate; double cut, bytes; } cases[] = {
    {0, 1, 48000, 0, 0}, {10, 0, 48000, 0, 0}, {10, 9, 48000, 0, 0}, {10, 1, 0, 0, 0},
    {10, 1, 7999, 0, 0}, {10, 1, 384001, 0, 0}, {std::size_t(1) << 31, 1, 48000, 0, 0},
    {10, 1, 48000, NAN, 64}, {10, 1, 48000, 2, 64}, {SIZE_MAX, 1, 48000, 1, 44 + 96000}};
  // clang-format on
  for (const auto& c : cases) {
    Buffer<char> wav;
    EXPECT_EQ(MakeLevelledWav(s.data(), c.frames, c.channels, c.rate, c.cut, wav), c.bytes > 0);
    EXPECT_EQ(wav.Size(), c.bytes) << &c - cases;
  }
}

}  // namespace
