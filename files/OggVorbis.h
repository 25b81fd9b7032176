#pragma once
#include <atomic>
#include <memory>

#include "scheme/DecodedSound.h"

// Ogg Vorbis, which Windows' own Media Foundation does not read, through
// stb_vorbis, compiled in.

struct stb_vorbis;

// One file, read into memory whole: the decoder would open files by ANSI
// names only.
class OggVorbisFile {
 public:
  OggVorbisFile() = default;
  ~OggVorbisFile();
  OggVorbisFile(const OggVorbisFile&) = delete;
  OggVorbisFile& operator=(const OggVorbisFile&) = delete;

  // False when it cannot be read or is no Ogg Vorbis file. The sound takes
  // its channels and rate.
  bool Open(const char* path, DecodedSound& sound);
  // As TMediaReader::Read: appends float samples until the sound is that
  // long, or ends.
  Reading Read(double seconds, DecodedSound& sound, const std::atomic<bool>& cancel) const;

 private:
  std::unique_ptr<unsigned char[]> bytes_;
  stb_vorbis* decoder_ = nullptr;
};
