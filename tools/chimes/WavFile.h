#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes samples as a 16-bit PCM mono RIFF/WAVE file at SampleRate: a fmt
// chunk, then a data chunk. False if the file could not be written whole.
bool WriteWavFile(const std::string& path, const std::vector<int16_t>& samples);
