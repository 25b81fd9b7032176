#pragma once
#include <cstddef>

#include "scheme/Buffer.h"

// How a decoder's reading ended: at the end of the sound; at the length it
// was asked to stop at, with more to come; or on an error or cancel.
enum class Reading { Ended, Stopped, Failed };

// The sounds a decoder passes on: a rate below this is no sound a player
// takes; above, or with more channels, the source is forged or mistaken.
constexpr int LowestRate = 8000, HighestRate = 384000, MostChannels = 8;

// A sound decoded from a file of any format: interleaved samples, full
// scale 1.0.
struct DecodedSound {
  Buffer<float> samples;
  int channels = 0, rate = 0;

  std::size_t Frames() const { return channels > 0 ? samples.Size() / channels : 0; }
  bool Reached(double seconds) const {
    return seconds > 0 && static_cast<double>(Frames()) >= seconds * rate;
  }
};
