#include <cmath>
#include <cstdio>

#include "Driver.h"

namespace e2e {

namespace {

const double Pi = 3.14159265358979323846;

void PutLittleEndian(std::FILE* file, unsigned long value, int bytes) {
  for (int i = 0; i < bytes; ++i) std::fputc(static_cast<int>((value >> (8 * i)) & 0xFF), file);
}

long long FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

bool WriteToneWav(const std::string& path, double frequency, long bytes) {
  const long rate = 22050, header = 44, samples = bytes - header;
  std::FILE* file = _wfopen(Wide(path).c_str(), L"wb");
  if (!file) return false;
  std::fputs("RIFF", file);
  PutLittleEndian(file, bytes - 8, 4);
  std::fputs("WAVEfmt ", file);
  PutLittleEndian(file, 16, 4);
  PutLittleEndian(file, 1, 2);  // PCM
  PutLittleEndian(file, 1, 2);  // mono
  PutLittleEndian(file, rate, 4);
  PutLittleEndian(file, rate, 4);  // bytes a second
  PutLittleEndian(file, 1, 2);     // bytes a sample
  PutLittleEndian(file, 8, 2);     // bits a sample
  std::fputs("data", file);
  PutLittleEndian(file, samples, 4);
  for (long i = 0; i < samples; ++i)
    std::fputc(128 + static_cast<int>(100 * std::sin(2 * Pi * frequency * i / rate)), file);
  return std::fclose(file) == 0;
}

void SoundCapture::Mark() { mark_ = FileSize(recording_) & ~1LL; }

std::vector<short> SoundCapture::After(DWORD ms) const {
  const long long bytes = 2LL * Rate * ms / 1000;
  WaitUntil([&] { return FileSize(recording_) >= mark_ + bytes; }, ms + 5000);
  std::vector<short> samples(bytes / 2);
  std::FILE* file = std::fopen(recording_.c_str(), "rb");
  if (!file) return {};
  _fseeki64(file, mark_, SEEK_SET);
  samples.resize(std::fread(samples.data(), sizeof(short), samples.size(), file));
  std::fclose(file);
  return samples;
}

// Goertzel's single-frequency transform.
double ToneLevel(const std::vector<short>& samples, double frequency) {
  if (samples.empty()) return 0;
  const double coefficient = 2 * std::cos(2 * Pi * frequency / SoundCapture::Rate);
  double previous = 0, beforePrevious = 0;
  for (short sample : samples) {
    double current = sample + coefficient * previous - beforePrevious;
    beforePrevious = previous;
    previous = current;
  }
  double power = previous * previous + beforePrevious * beforePrevious -
                 coefficient * previous * beforePrevious;
  return 2 * std::sqrt(power) / samples.size();
}

// In steps of 50 ms; a gap shorter than 200 ms, where the recording faltered,
// does not end a span.
std::vector<Span> ToneSpans(const std::vector<short>& samples, double frequency) {
  const size_t step = SoundCapture::Rate / 20;
  const double stepSeconds = 0.05, longestGap = 0.2;
  std::vector<Span> spans;
  for (size_t at = 0; at + step <= samples.size(); at += step) {
    const std::vector<short> part(samples.begin() + at, samples.begin() + at + step);
    if (ToneLevel(part, frequency) < 500) continue;
    const double from = static_cast<double>(at) / SoundCapture::Rate;
    if (spans.empty() || from - spans.back().to > longestGap) spans.push_back({from, from});
    spans.back().to = from + stepSeconds;
  }
  return spans;
}

}  // namespace e2e
