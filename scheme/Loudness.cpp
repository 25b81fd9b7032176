#include "scheme/Loudness.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Offset = -0.691;  // puts a 1 kHz sine's reading at its level
const double AbsoluteGate = std::pow(10.0, (-70 - Offset) / 10);

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

void AppendLittleEndian(Buffer<char>& wav, std::uint32_t value, int bytes) {
  char out[4];
  for (int b = 0; b < bytes; ++b) out[b] = static_cast<char>(value >> 8 * b);
  wav.Append(out, bytes);
}

}  // namespace

double IntegratedLoudness(const float* samples, std::size_t frames, int channels, int rate) {
  // A block is four 100 ms steps, so each step's energy is summed once.
  const std::size_t step = rate / 10, steps = step ? frames / step : 0;
  if (steps < 4) return -HUGE_VAL;
  Buffer<double> energy, blocks;
  for (std::size_t s = 0; s < steps; ++s) energy.Append(0.0);
  for (int c = 0; c < channels; ++c) {
    Biquad shelf = Shelf(rate), highPass = HighPass(rate);
    const double weight = Weight(c, channels);
    const float* sample = samples + c;
    for (std::size_t s = 0; s < steps; ++s) {
      double sum = 0;
      for (std::size_t i = 0; i < step; ++i, sample += channels) {
        const double y = highPass(shelf(*sample));
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

void MakeLevelledWav(const float* samples, std::size_t frames, int channels, int rate,
                     double cutSeconds, Buffer<char>& wav) {
  const int kept = std::min(channels, 2);
  const std::size_t cut = static_cast<std::size_t>(cutSeconds * rate + 0.5);
  const bool isCut = cutSeconds > 0 && cut < frames;
  if (isCut) frames = cut;

  Buffer<float> sound;
  if (channels <= 2)
    sound.Append(samples, frames * channels);
  else
    for (std::size_t i = 0; i < frames; ++i) {
      float both[2] = {0, 0}, left, right;
      for (int c = 0; c < channels; ++c) {
        Downmix(c, channels, left, right);
        both[0] += left * samples[i * channels + c];
        both[1] += right * samples[i * channels + c];
      }
      sound.Append(both, 2);
    }
  const std::size_t fade = isCut ? std::min(frames, static_cast<std::size_t>(rate / 20)) : 0;
  for (std::size_t i = frames - fade; i < frames; ++i)
    for (int c = 0; c < kept; ++c) sound[i * kept + c] *= static_cast<float>(frames - 1 - i) / fade;

  // 16-bit full scale is 32768; the ceiling is the last step at or under -1 dBFS.
  const double ceiling = std::floor(32768 * std::pow(10.0, -1.0 / 20)) / 32768;
  double peak = 0, gain = 1;
  for (float s : sound) peak = std::max(peak, std::fabs(static_cast<double>(s)));
  const double loudness = IntegratedLoudness(sound.begin(), frames, kept, rate);
  if (peak > 0 && frames < static_cast<std::size_t>(rate / 10) * 4)
    gain = ceiling / peak;
  else if (loudness > -HUGE_VAL)
    gain = std::min(std::pow(10.0, (-16 - loudness) / 20), ceiling / peak);

  const auto dataBytes = static_cast<std::uint32_t>(sound.Size() * 2);
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
  // the measure.
  char part[4096];
  std::size_t used = 0;
  for (float s : sound) {
    const double scaled = std::min(std::max(s * gain * 32768, -32768.0), 32767.0);
    const int rounded =
        scaled < 0 ? -static_cast<int>(0.5 - scaled) : static_cast<int>(scaled + 0.5);
    const auto value = static_cast<std::uint16_t>(rounded);
    part[used++] = static_cast<char>(value & 0xFF);
    part[used++] = static_cast<char>(value >> 8);
    if (used == sizeof part) {
      wav.Append(part, used);
      used = 0;
    }
  }
  wav.Append(part, used);
}
