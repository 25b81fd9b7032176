#include "files/OggVorbisDecoder.h"

#include <cerrno>
#include <climits>
#include <cstdio>

// Without the header's own callbacks over stdio, which nothing here uses.
#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

namespace {

// Where each channel of Vorbis's order goes in WAVE's, which the mix-down
// reads (front left, right, centre, LFE, then the surrounds): Vorbis puts
// the centre second and the LFE last.
const int WaveOrder[MostChannels + 1][MostChannels] = {{},
                                                       {0},
                                                       {0, 1},
                                                       {0, 2, 1},
                                                       {0, 1, 2, 3},
                                                       {0, 2, 1, 3, 4},
                                                       {0, 2, 1, 4, 5, 3},
                                                       {0, 2, 1, 5, 6, 4, 3},
                                                       {0, 2, 1, 6, 7, 4, 5, 3}};

using Source = OggVorbisDecoder::Source;

// vorbisfile's callbacks, which work as fread, fseek and ftell do: a read
// error is no bytes with errno set.
std::size_t ReadBytes(void* buffer, std::size_t size, std::size_t count, void* source) {
  const int read = static_cast<Source*>(source)->Read(buffer, static_cast<int>(size * count));
  if (read < 0) errno = EIO;
  return read < 0 ? 0 : read / size;
}

int SeekTo(void* source, ogg_int64_t offset, int origin) {
  return static_cast<Source*>(source)->Seek(offset, origin) < 0 ? -1 : 0;
}

// A long has 32 bits on Windows: a file longer than that is refused.
long TellPosition(void* source) {
  const long long position = static_cast<Source*>(source)->Seek(0, SEEK_CUR);
  return position <= LONG_MAX ? static_cast<long>(position) : -1;
}

const ov_callbacks Callbacks = {ReadBytes, SeekTo, nullptr, TellPosition};

}  // namespace

// Out of line, where vorbisfile's state is whole.
OggVorbisDecoder::OggVorbisDecoder() = default;

OggVorbisDecoder::~OggVorbisDecoder() {
  if (file_) ov_clear(file_.get());
}

// vorbisfile clears what it made when it refuses the stream.
bool OggVorbisDecoder::Open(Source& source, DecodedSound& sound) {
  auto file = std::make_unique<OggVorbis_File>();
  if (ov_open_callbacks(&source, file.get(), nullptr, 0, Callbacks) != 0) return false;
  file_ = std::move(file);
  const vorbis_info* info = ov_info(file_.get(), -1);
  if (info->channels < 1 || info->channels > MostChannels || info->rate < LowestRate ||
      info->rate > HighestRate)
    return false;
  sound.channels = info->channels;
  sound.rate = static_cast<int>(info->rate);
  return true;
}

long long OggVorbisDecoder::DeclaredFrames() const {
  const ogg_int64_t frames = file_ ? ov_pcm_total(file_.get(), -1) : -1;
  return frames >= 0 ? frames : -1;
}

Reading OggVorbisDecoder::Read(double seconds, DecodedSound& sound,
                               const std::atomic<bool>& cancel) {
  const int channels = sound.channels, *order = WaveOrder[channels];
  float frame[MostChannels];
  while (!sound.Reached(seconds)) {
    if (cancel) return Reading::Failed;
    float** part;
    int link;
    const long frames = ov_read_float(file_.get(), &part, 4096, &link);
    // A gap in the pages: the decoder goes on after it.
    if (frames == OV_HOLE) continue;
    if (frames == 0) return Reading::Ended;
    const vorbis_info* info = frames > 0 ? ov_info(file_.get(), link) : nullptr;
    if (!info || info->channels != channels || info->rate != sound.rate) return Reading::Failed;
    for (long at = 0; at < frames; ++at) {
      for (int channel = 0; channel < channels; ++channel)
        frame[order[channel]] = part[channel][at];
      sound.samples.Append(frame, channels);
    }
  }
  return Reading::Stopped;
}
