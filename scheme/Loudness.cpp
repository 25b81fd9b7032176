#include "scheme/Loudness.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>

#include "scheme/DecodedSound.h"

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Offset = -0.691;  // puts a 1 kHz sine's reading at its level
const double AbsoluteGate = std::pow(10.0, (-70 - Offset) / 10);
// The true-peak filter rolls off above 0.85 of the Nyquist frequency (20 kHz
// at 48 kHz). A meter with a sharper one (ffmpeg's, resampling to 192 kHz)
// hears clicks and abrupt starts ring there up to 0.6 dB higher, and a burst
// at the Nyquist frequency itself up to 1.1 dB: the ceiling keeps that much
// under -1 dBTP.
constexpr double TruePeakMargin = 1.1;

// One second-order section, transposed direct form II.
struct Biquad {
  double b0, b1, b2, a1, a2, z1 = 0, z2 = 0;
  double operator()(double x) {
    const double y = b0 * x + z1;
    z1 = b1 * x - a1 * y + z2;
    z2 = b2 * x - a2 * y;
    return y;
  }
};

// The K-weighting's high shelf and high pass, derived from their analogue
// prototypes (Mansbridge, Finn and Reiss, AES 2012): at 48 kHz these are the
// recommendation's coefficients, and other rates get the same response.
Biquad Shelf(int rate) {
  const double k = std::tan(Pi * 1681.974450955533 / rate), q = 0.7071752369554196;
  const double vh = std::pow(10.0, 3.999843853973347 / 20), vb = std::pow(vh, 0.4996667741545416);
  const double a0 = 1 + k / q + k * k;
  return {(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
          2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
}

Biquad HighPass(int rate) {
  const double k = std::tan(Pi * 38.13547087602444 / rate), q = 0.5003270373238773;
  const double a0 = 1 + k / q + k * k;
  return {1, -2, 1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
}

double Weight(int channel, int channels) {
  if (channels == 1) return 2;
  if (channels != 6) return 1;
  return channel == 3 ? 0 : channel > 3 ? 1.41 : 1;
}

// The mean energy of the blocks over the gate, or 0 when none is.
double MeanAbove(const Buffer<double>& blocks, double gate) {
  double sum = 0;
  std::size_t count = 0;
  for (double energy : blocks) {
    if (energy <= gate) continue;
    sum += energy;
    ++count;
  }
  return count ? sum / count : 0;
}

// How much of a source channel goes to the left and to the right.
void Downmix(int channel, int channels, float& left, float& right) {
  const float half = 0.70710678f;  // -3 dB
  const bool centre = channels % 2 || channels >= 6, lfe = channels >= 6;
  const int surrounds = 2 + centre + lfe, odd = (channels - surrounds) % 2;
  if (channel < 2) {
    left = channel == 0;
    right = channel == 1;
  } else if ((centre && channel == 2) || (odd && channel == surrounds)) {
    left = right = half;
  } else if (lfe && channel == 3) {
    left = right = 0;
  } else {
    left = (channel - surrounds - odd) % 2 ? 0 : half;
    right = half - left;
  }
}

// The interpolation filter of BS.1770-4 Annex 2, 48 taps in four phases of
// 12: the first two phases; the last two are these reversed.
const double Phases[2][12] = {
    {0.0017089843750, 0.0109863281250, -0.0196533203125, 0.0332031250000, -0.0594482421875,
     0.1373291015625, 0.9721679687500, -0.1022949218750, 0.0476074218750, -0.0266113281250,
     0.0148925781250, -0.0083007812500},
    {-0.0291748046875, 0.0292968750000, -0.0517578125000, 0.0891113281250, -0.1665039062500,
     0.4650878906250, 0.7797851562500, -0.2003173828125, 0.1015625000000, -0.0582275390625,
     0.0330810546875, -0.0189208984375}};

void AppendLittleEndian(Buffer<char>& wav, std::uint32_t value, int bytes) {
  char out[4];
  for (int b = 0; b < bytes; ++b) out[b] = static_cast<char>(value >> 8 * b);
  wav.Append(out, bytes);
}

}  // namespace

double IntegratedLoudness(const float* samples, std::size_t frames, int channels, int rate) {
  // A block is four 100 ms steps, so each step's energy is summed once.
  const std::size_t step = rate / 10, steps = std::max<std::size_t>(4, step ? frames / step : 0);
  if (!step) return -HUGE_VAL;
  Buffer<double> energy, blocks;
  for (std::size_t s = 0; s < steps; ++s) energy.Append(0.0);
  for (int c = 0; c < channels; ++c) {
    Biquad shelf = Shelf(rate), highPass = HighPass(rate);
    const double weight = Weight(c, channels);
    for (std::size_t s = 0, n = 0; s < steps; ++s) {
      double sum = 0;
      for (std::size_t i = 0; i < step; ++i, ++n) {
        const double y = highPass(shelf(n < frames ? samples[n * channels + c] : 0));
        sum += y * y;
      }
      energy[s] += weight * sum;
    }
  }
  for (std::size_t s = 3; s < steps; ++s)
    blocks.Append((energy[s - 3] + energy[s - 2] + energy[s - 1] + energy[s]) / (4 * step));
  const double passed = MeanAbove(blocks, AbsoluteGate);
  if (!passed) return -HUGE_VAL;
  return Offset + 10 * std::log10(MeanAbove(blocks, std::max(AbsoluteGate, passed / 10)));
}

// Each channel runs on into the 11 samples of silence that its last
// samples' interpolation reaches. Phase 0 is not quite the sample itself (a
// lone click would read 0.25 dB under it), so the samples count too: none
// passes the ceiling.
double TruePeak(const float* samples, std::size_t frames, int channels) {
  double peak = 0;
  for (int c = 0; c < channels; ++c) {
    double last[12] = {};  // the newest first
    for (std::size_t n = 0; n < frames + 11; ++n) {
      std::copy_backward(last, last + 11, last + 12);
      last[0] = n < frames ? samples[n * channels + c] : 0;
      peak = std::max(peak, std::fabs(last[0]));
      for (const auto& phase : Phases) {
        double early = 0, late = 0;
        for (int t = 0; t < 12; ++t) {
          early += phase[t] * last[t];
          late += phase[11 - t] * last[t];
        }
        peak = std::max({peak, std::fabs(early), std::fabs(late)});
      }
    }
  }
  return peak;
}

bool MakeLevelledWav(float* samples, std::size_t frames, int channels, int rate, double cutSeconds,
                     Buffer<char>& wav) {
  if (channels < 1 || channels > MostChannels || rate < LowestRate || rate > HighestRate)
    return false;
  const int kept = std::min(channels, 2);
  const double cut = cutSeconds * rate + 0.5;  // a NaN or infinite cut keeps the whole
  const bool isCut = cutSeconds > 0 && cut < frames;
  if (isCut) frames = static_cast<std::size_t>(cut);
  // The samples read, frames * channels, can be counted; the RIFF's sizes are
  // 32-bit and count the 36 bytes of header after the first 8.
  if (!frames || frames > SIZE_MAX / channels || frames > (UINT32_MAX - 36) / (2 * kept))
    return false;

  // A sample that is not a number, is infinite, or is too large for the
  // mix-down to sum (it adds up to 3.1 of them) is heard as silence.
  for (std::size_t i = 0; i < frames * channels; ++i)
    if (!(std::fabs(samples[i]) <= FLT_MAX / 4)) samples[i] = 0;
  // Frame i's two samples land where frame i began, or before: in place.
  if (channels > 2)
    for (std::size_t i = 0; i < frames; ++i) {
      float both[2] = {0, 0}, left, right;
      for (int c = 0; c < channels; ++c) {
        Downmix(c, channels, left, right);
        both[0] += left * samples[i * channels + c];
        both[1] += right * samples[i * channels + c];
      }
      samples[2 * i] = both[0];
      samples[2 * i + 1] = both[1];
    }
  const std::size_t fade = isCut ? std::min(frames, static_cast<std::size_t>(rate / 20)) : 0;
  for (std::size_t i = frames - fade; i < frames; ++i)
    for (int c = 0; c < kept; ++c)
      samples[i * kept + c] *= static_cast<float>(frames - 1 - i) / fade;

  // Rounding to 16 bits moves a sample by half a step, and an interpolated
  // point by at most half a step times the taps' absolute sum, 2.03.
  const double ceiling = std::pow(10.0, (-1 - TruePeakMargin) / 20) - 0.5 * 2.03 / 32768;
  const double loudness = IntegratedLoudness(samples, frames, kept, rate);
  const double level = loudness > -HUGE_VAL ? std::pow(10.0, (-16 - loudness) / 20) : 1;
  const double peak = TruePeak(samples, frames, kept);
  const double gain = peak > 0 ? std::min(level, ceiling / peak) : 1;

  const auto dataBytes = static_cast<std::uint32_t>(frames * kept * 2);
  wav.Reserve(wav.Size() + 44 + dataBytes);
  wav.Append("RIFF", 4);
  AppendLittleEndian(wav, 36 + dataBytes, 4);
  wav.Append("WAVEfmt ", 8);
  AppendLittleEndian(wav, 16, 4);
  AppendLittleEndian(wav, 1, 2);  // PCM
  AppendLittleEndian(wav, kept, 2);
  AppendLittleEndian(wav, rate, 4);
  AppendLittleEndian(wav, rate * kept * 2, 4);
  AppendLittleEndian(wav, kept * 2, 2);
  AppendLittleEndian(wav, 16, 2);
  wav.Append("data", 4);
  AppendLittleEndian(wav, dataBytes, 4);
  // Little-endian, a part at a time: one call a sample would cost more than
  // the measure. The gain keeps every sample under the ceiling, in range.
  char part[4096];
  std::size_t used = 0;
  for (std::size_t i = 0; i < frames * kept; ++i) {
    const auto value = static_cast<std::uint16_t>(std::lround(samples[i] * gain * 32768));
    part[used++] = static_cast<char>(value & 0xFF);
    part[used++] = static_cast<char>(value >> 8);
    if (used == sizeof part) {
      wav.Append(part, used);
      used = 0;
    }
  }
  wav.Append(part, used);
  return true;
}
