#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;
// A partial above this would fold back below the Nyquist frequency as noise.
constexpr double HighestFrequency = 0.45 * SampleRate;
// Fades over the whole chime, so that it neither starts nor stops with a click.
constexpr double FadeIn = 0.003, FadeOut = 0.03;
constexpr double Peak = 0.6 * 32767;

// Rises smoothly from 0 to 1 as x goes from 0 to 1.
double Swell(double x) {
  if (x >= 1) return 1;
  const double s = std::sin(0.5 * Pi * x);
  return s * s;
}

void AddNote(std::vector<double>& mix, const Chime& chime, const Note& note) {
  const size_t first = static_cast<size_t>(note.start * SampleRate);
  for (const Partial& partial : chime.timbre) {
    if (note.frequency * partial.ratio > HighestFrequency) continue;
    double phase = 0;
    for (size_t i = first; i < mix.size(); ++i) {
      const double t = static_cast<double>(i - first) / SampleRate;
      const double frequency = note.frequency * partial.ratio * std::exp2(chime.glide * t);
      mix[i] += note.level * partial.level * Swell(t / chime.attack) *
                std::exp(-partial.decay * t) * std::sin(phase);
      phase += 2 * Pi * frequency / SampleRate;
    }
  }
}

}  // namespace

double Pitch(int midiNote) { return 440.0 * std::exp2((midiNote - 69) / 12.0); }

std::vector<int16_t> Render(const Chime& chime) {
  std::vector<double> mix(static_cast<size_t>(chime.seconds * SampleRate));
  for (const Note& note : chime.notes) AddNote(mix, chime, note);

  const size_t count = mix.size();
  for (size_t i = 0; i < count; ++i) {
    const double fromStart = static_cast<double>(i) / SampleRate;
    const double toEnd = static_cast<double>(count - 1 - i) / SampleRate;
    mix[i] *= Swell(fromStart / FadeIn) * Swell(toEnd / FadeOut);
  }

  double loudest = 0;
  for (double sample : mix) loudest = std::max(loudest, std::fabs(sample));
  const double scale = loudest > 0 ? Peak / loudest : 0;
  std::vector<int16_t> samples(count);
  for (size_t i = 0; i < count; ++i) samples[i] = static_cast<int16_t>(std::lround(mix[i] * scale));
  return samples;
}
