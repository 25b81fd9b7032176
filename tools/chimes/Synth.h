#pragma once

// Chimes as sums of decaying sine waves: enough for pings, bells, bars,
// blips and knocks, and the same samples on every run.
#include <cstdint>
#include <vector>

constexpr int SampleRate = 22050;

// One sine of a note: its frequency as a multiple of the note's, its level,
// and how fast it dies away (the level falls by e each 1/decay seconds).
struct Partial {
  double ratio;
  double level;
  double decay;
};

using Timbre = std::vector<Partial>;

struct Note {
  double start;  // seconds
  double frequency;
  double level;
};

struct Chime {
  const char* name;
  double seconds;
  Timbre timbre;
  std::vector<Note> notes;
  double attack = 0.004;  // seconds for a note to swell to its full level
  double glide = 0;       // octaves per second the pitch moves, for blips
};

// The frequency of a MIDI note number: 69 is A4, 440 Hz.
double Pitch(int midiNote);

// The chime as 16-bit samples at SampleRate, peaking well below full scale,
// starting and ending in silence.
std::vector<int16_t> Render(const Chime& chime);
