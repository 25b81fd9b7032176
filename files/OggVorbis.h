#pragma once
#include <atomic>
#include <optional>

#include "files/OggVorbisDecoder.h"
#include "platform/File.h"
#include "scheme/DecodedSound.h"

// Ogg Vorbis, which Windows' own Media Foundation does not read, decoded
// from the file a part at a time.
class OggVorbisFile {
 public:
  // False when it cannot be opened or is no Ogg Vorbis file that we take.
  // The sound takes its channels and rate.
  bool Open(const char* path, DecodedSound& sound);
  // The length that the file declares, in frames; -1 when it is unknown.
  long long DeclaredFrames() const { return decoder_.DeclaredFrames(); }
  // As TMediaReader::Read: appends float samples until the sound is that
  // long, or ends.
  Reading Read(double seconds, DecodedSound& sound, const std::atomic<bool>& cancel) {
    return decoder_.Read(seconds, sound, cancel);
  }

 private:
  struct FileSource final : OggVorbisDecoder::Source {
    explicit FileSource(const char* path) : file(TFile::OpenForReading(path)) {}
    int Read(void* buffer, int size) override { return file.Read(buffer, size); }
    long long Seek(long long offset, int origin) override { return file.Seek(offset, origin); }
    TFile file;
  };
  std::optional<FileSource> source_;
  OggVorbisDecoder decoder_;  // goes before the file it reads
};
