#include "WavFile.h"

#include <cstdio>

#include "Synth.h"

namespace {

// RIFF is little-endian whatever the host is.
void Put16(std::vector<uint8_t>& bytes, uint32_t value) {
  bytes.push_back(static_cast<uint8_t>(value));
  bytes.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& bytes, uint32_t value) {
  Put16(bytes, value & 0xFFFF);
  Put16(bytes, value >> 16);
}

void PutTag(std::vector<uint8_t>& bytes, const char (&tag)[5]) {
  bytes.insert(bytes.end(), tag, tag + 4);
}

}  // namespace

bool WriteWavFile(const std::string& path, const std::vector<int16_t>& samples) {
  constexpr uint32_t Channels = 1, BytesPerSample = 2;
  const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * BytesPerSample);
  std::vector<uint8_t> bytes;
  PutTag(bytes, "RIFF");
  Put32(bytes, 4 + (8 + 16) + (8 + dataBytes));
  PutTag(bytes, "WAVE");
  PutTag(bytes, "fmt ");
  Put32(bytes, 16);
  Put16(bytes, 1);  // PCM
  Put16(bytes, Channels);
  Put32(bytes, SampleRate);
  Put32(bytes, SampleRate * Channels * BytesPerSample);
  Put16(bytes, Channels * BytesPerSample);
  Put16(bytes, 8 * BytesPerSample);
  PutTag(bytes, "data");
  Put32(bytes, dataBytes);
  for (int16_t sample : samples) Put16(bytes, static_cast<uint16_t>(sample));

  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}
