#pragma once
#include <atomic>

#include "scheme/DecodedSound.h"

// Windows' Media Foundation on the calling thread while this lives: its
// libraries loaded from the system folder (they are not among those Windows
// protects, so never imported, which Windows would look for beside the
// program first), COM and the platform started. Not available in the "N"
// editions of Windows without the Media Feature Pack.
class TMediaFoundation {
 public:
  TMediaFoundation();
  ~TMediaFoundation();
  TMediaFoundation(const TMediaFoundation&) = delete;
  TMediaFoundation& operator=(const TMediaFoundation&) = delete;

  bool Available() const { return started_; }

 private:
  bool comStarted_ = false, started_ = false;
};

struct IMFSourceReader;

// One file open in Media Foundation's Source Reader, its first audio stream
// decoded to float samples.
class TMediaReader {
 public:
  TMediaReader() = default;
  ~TMediaReader();
  TMediaReader(const TMediaReader&) = delete;
  TMediaReader& operator=(const TMediaReader&) = delete;

  // False when the file cannot be opened as sound, or Media Foundation is
  // missing, or its rate or channels are past what a sound may have. The
  // sound takes the stream's channels and rate.
  bool Open(const TMediaFoundation& media, const char* path, DecodedSound& sound);
  // The length the file declares, in frames; -1 when it tells none.
  long long DeclaredFrames() const { return declaredFrames_; }
  // Appends to the sound until it is that long, or ends; a second call goes
  // on where the first stopped. A stream that changes its rate or channels
  // midway (joined files) fails: its samples would be taken for the old
  // format's.
  Reading Read(double seconds, DecodedSound& sound, const std::atomic<bool>& cancel) const;

 private:
  IMFSourceReader* reader_ = nullptr;
  long long declaredFrames_ = -1;
};
