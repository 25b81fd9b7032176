#include "files/OggVorbis.h"

#include "platform/File.h"

#define STB_VORBIS_HEADER_ONLY
#define STB_VORBIS_NO_STDIO
#define STB_VORBIS_NO_PUSHDATA_API
#include <stb/stb_vorbis.h>

namespace {

// Where each channel of Vorbis's order goes in WAVE's, which the mix-down
// reads (front left, right, centre, LFE, then the surrounds): Vorbis puts
// the centre second and the LFE last.
const int WaveOrder[9][8] = {{},
                             {0},
                             {0, 1},
                             {0, 2, 1},
                             {0, 1, 2, 3},
                             {0, 2, 1, 3, 4},
                             {0, 2, 1, 4, 5, 3},
                             {0, 2, 1, 5, 6, 4, 3},
                             {0, 2, 1, 6, 7, 4, 5, 3}};

}  // namespace

OggVorbisFile::~OggVorbisFile() {
  if (decoder_) stb_vorbis_close(decoder_);
}

bool OggVorbisFile::Open(const char* path, DecodedSound& sound) {
  TFile file = TFile::OpenForReading(path);
  const long long size = file.IsOpen() ? file.Size() : -1;
  if (size <= 0 || size > 0x7FFFFFFF) return false;
  bytes_.reset(new unsigned char[size]);
  for (long long read = 0; read < size;) {
    const int part = file.Read(bytes_.get() + read, static_cast<int>(size - read));
    if (part <= 0) return false;
    read += part;
  }
  int error = 0;
  decoder_ = stb_vorbis_open_memory(bytes_.get(), static_cast<int>(size), &error, nullptr);
  if (!decoder_) return false;
  const stb_vorbis_info info = stb_vorbis_get_info(decoder_);
  sound.channels = info.channels;
  sound.rate = static_cast<int>(info.sample_rate);
  return info.channels >= 1 && info.channels <= 8 && info.sample_rate > 0;
}

Reading OggVorbisFile::Read(double seconds, DecodedSound& sound,
                            const std::atomic<bool>& cancel) const {
  const int channels = sound.channels, *order = WaveOrder[channels];
  float part[4096], frame[8];
  while (!sound.Reached(seconds)) {
    if (cancel) return Reading::Failed;
    const int frames = stb_vorbis_get_samples_float_interleaved(decoder_, channels, part, 4096);
    if (frames <= 0) return Reading::Ended;
    for (int at = 0; at < frames * channels; at += channels) {
      for (int channel = 0; channel < channels; ++channel)
        frame[order[channel]] = part[at + channel];
      sound.samples.Append(frame, channels);
    }
  }
  return Reading::Stopped;
}
