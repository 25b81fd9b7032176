#include "files/OggVorbis.h"

#include <cstdio>

// The decoder's seeks pass through as they are.
static_assert(SEEK_SET == FILE_BEGIN && SEEK_CUR == FILE_CURRENT && SEEK_END == FILE_END,
              "stdio's origins are Windows' own");

bool OggVorbisFile::Open(const char* path, DecodedSound& sound) {
  source_.emplace(path);
  return source_->file.IsOpen() && decoder_.Open(*source_, sound);
}
