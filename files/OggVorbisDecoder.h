#pragma once
#include <atomic>
#include <memory>

#include "scheme/DecodedSound.h"

struct OggVorbis_File;

// Ogg Vorbis through the reference decoder, libvorbis's vorbisfile, which
// reads its source a part at a time.
class OggVorbisDecoder {
 public:
  // Where the stream's bytes come from: a file, or memory in the tests.
  class Source {
   public:
    // The bytes read: 0 at the end, -1 on an error.
    virtual int Read(void* buffer, int size) = 0;
    // The position after moving offset bytes from where origin says
    // (SEEK_SET, SEEK_CUR or SEEK_END); -1 on an error.
    virtual long long Seek(long long offset, int origin) = 0;

   protected:
    ~Source() = default;
  };

  OggVorbisDecoder();
  ~OggVorbisDecoder();
  OggVorbisDecoder(const OggVorbisDecoder&) = delete;
  OggVorbisDecoder& operator=(const OggVorbisDecoder&) = delete;

  // False when vorbisfile refuses the stream, or for channels or a rate
  // outside a decoded sound's limits. The sound takes its channels and rate.
  // The source is read until the decoder goes.
  bool Open(Source& source, DecodedSound& sound);
  // The length that the stream declares, in frames; -1 when it is unknown.
  long long DeclaredFrames() const;
  // Appends float samples in WAVE's channel order until the sound is that
  // long, or ends. A link of a chained stream that has other channels or
  // another rate fails.
  Reading Read(double seconds, DecodedSound& sound, const std::atomic<bool>& cancel);

 private:
  std::unique_ptr<OggVorbis_File> file_;  // only while open
};
