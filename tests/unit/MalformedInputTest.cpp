// The Ogg Vorbis decoder meets hostile input before a user's file does: streams that
// libvorbisenc makes here, forged, cut short and with flipped bits, each refused or decoded and
// levelled, never a sanitizer's report.
#include <gtest/gtest.h>
#include <ogg/ogg.h>
#include <sanitizer/lsan_interface.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "files/OggVorbisDecoder.h"
#include "scheme/Loudness.h"

namespace {

using Pages = std::vector<std::string>;
const long Rate = 44100, Frames = Rate / 5;

std::string Joined(const Pages& pages) {
  std::string stream;
  for (const std::string& page : pages) stream += page;
  return stream;
}

// A tone of 0.2 s on each channel, each a fifth above the one before, paged as encoders do:
// the identification header alone, then the comments and set-up, then the audio in pages small
// enough that it takes several, as a long sound does.
Pages Encode(int channels, int serial = 1) {
  vorbis_info info;
  vorbis_comment comment;
  vorbis_dsp_state dsp;
  vorbis_block block;
  ogg_stream_state stream;
  ogg_packet id, comments, setup, packet;
  ogg_page page;
  Pages pages;
  auto take = [&](bool whole) {
    while (whole ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout_fill(&stream, &page, 256))
      pages.push_back(std::string(reinterpret_cast<char*>(page.header), page.header_len) +
                      std::string(reinterpret_cast<char*>(page.body), page.body_len));
  };
  vorbis_info_init(&info);
  {
    __lsan::ScopedDisabler leak;  // the 5.1 set-up makes one residue twice, losing the first
    vorbis_encode_init_vbr(&info, channels, Rate, 0);
  }
  vorbis_comment_init(&comment);
  vorbis_comment_add_tag(&comment, "TITLE", "tone");
  vorbis_analysis_init(&dsp, &info);
  vorbis_block_init(&dsp, &block);
  ogg_stream_init(&stream, serial);
  vorbis_analysis_headerout(&dsp, &comment, &id, &comments, &setup);
  ogg_stream_packetin(&stream, &id);
  take(true);
  ogg_stream_packetin(&stream, &comments);
  ogg_stream_packetin(&stream, &setup);
  take(true);
  for (long done = 0, part = 1; part > 0; done += part) {
    part = std::min(1024L, Frames - done);
    float** buffer = vorbis_analysis_buffer(&dsp, part);
    for (int c = 0; c < channels; ++c)
      for (long n = 0; n < part; ++n)
        buffer[c][n] = 0.3 * std::sin(2 * M_PI * 220 * std::pow(1.5, c) * (done + n) / Rate);
    vorbis_analysis_wrote(&dsp, part);  // none: the end
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
        ogg_stream_packetin(&stream, &packet);
        take(false);
      }
    }
  }
  take(true);
  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return pages;
}

std::size_t HeaderLength(const std::string& page) {
  return 27 + static_cast<unsigned char>(page[26]);
}

// The page's checksum made anew, so that what was changed in it reaches the Vorbis parser.
void Checksum(std::string& page, std::size_t headerLength) {
  unsigned char* header = reinterpret_cast<unsigned char*>(&page[0]);
  ogg_page view = {header, long(headerLength), header + headerLength,
                   long(page.size() - headerLength)};
  ogg_page_checksum_set(&view);
}

// Bytes of a page's body replaced, the lowest first as Vorbis writes numbers.
std::string Forged(Pages pages, std::size_t page, std::size_t at, std::uint32_t value, int size) {
  const std::size_t header = HeaderLength(pages[page]);
  for (int byte = 0; byte < size; ++byte) pages[page][header + at + byte] = value >> 8 * byte;
  Checksum(pages[page], header);
  return Joined(pages);
}

// A stream in memory, read as the decoder reads a file.
class Memory final : public OggVorbisDecoder::Source {
 public:
  explicit Memory(const std::string& bytes) : bytes_(bytes) {}
  int Read(void* buffer, int size) override {
    const long long part = std::clamp<long long>(Size() - at_, 0, size);
    if (part) std::memcpy(buffer, bytes_.data() + at_, part);
    at_ += part;
    return part;
  }
  long long Seek(long long offset, int origin) override {
    const long long to = offset + (origin == SEEK_CUR ? at_ : origin == SEEK_END ? Size() : 0);
    return to < 0 ? -1 : at_ = to;
  }

 private:
  long long Size() const { return bytes_.size(); }
  const std::string& bytes_;
  long long at_ = 0;
};

struct Converted {
  bool opened;
  Reading reading;
  std::size_t frames;
  long long declaredFrames;
};

// As the conversion takes a source: opened, read whole, and levelled as far as it decodes.
Converted Convert(const std::string& stream) {
  Memory source(stream);
  OggVorbisDecoder decoder;
  DecodedSound sound;
  if (!decoder.Open(source, sound)) return {false, Reading::Failed, 0, -1};
  const Reading reading = decoder.Read(0, sound, std::atomic<bool>(false));
  Buffer<char> wav;
  if (sound.Frames()) {
    EXPECT_TRUE(
        MakeLevelledWav(sound.samples.begin(), sound.Frames(), sound.channels, sound.rate, 0, wav));
  }
  return {true, reading, sound.Frames(), decoder.DeclaredFrames()};
}

// A stream read to its end declared its length.
TEST(MalformedInputTest, ForgedFieldsChannelsAndRatesBeyondOursAndOtherChainedLinksAreRefused) {
  const Pages stereo = Encode(2);
  // The comments follow the encoder's name, whose length fits the first byte of its own.
  const std::size_t comments =
      11 + static_cast<unsigned char>(stereo[1][HeaderLength(stereo[1]) + 7]);
  const std::string first = Joined(stereo);
  const Reading ended = Reading::Ended, failed = Reading::Failed;
  // clang-format off
  const struct { const char* name; std::string stream; bool opens; Reading reading; long frames; }
  cases[] = {
    {"mono", Joined(Encode(1)), true, ended, Frames},
    {"5.1", Joined(Encode(6)), true, ended, Frames},
    {"8 channels", Joined(Encode(8)), true, ended, Frames},
    {"9 channels", Joined(Encode(9)), false, failed, 0},
    {"no channels", Forged(stereo, 0, 11, 0, 1), false, failed, 0},
    {"255 channels", Forged(stereo, 0, 11, 255, 1), false, failed, 0},
    {"rate 0", Forged(stereo, 0, 12, 0, 4), false, failed, 0},
    {"rate 7999", Forged(stereo, 0, 12, 7999, 4), false, failed, 0},
    {"rate 384001", Forged(stereo, 0, 12, 384001, 4), false, failed, 0},
    {"rate 0x7FFFFFFF", Forged(stereo, 0, 12, 0x7FFFFFFF, 4), false, failed, 0},
    {"blocks of 1", Forged(stereo, 0, 28, 0x00, 1), false, failed, 0},
    {"blocks of 32768", Forged(stereo, 0, 28, 0xFF, 1), false, failed, 0},
    {"comment count 0x40000001", Forged(stereo, 1, comments, 0x40000001, 4), false, failed, 0},
    {"a link alike", first + Joined(Encode(2, 2)), true, ended, 2 * Frames},
    {"a link of one channel", first + Joined(Encode(1, 2)), true, failed, Frames}};
  // clang-format on
  for (const auto& c : cases) {
    const Converted got = Convert(c.stream);
    EXPECT_EQ(got.opened, c.opens) << c.name;
    EXPECT_EQ(got.reading, c.reading) << c.name;
    EXPECT_EQ(got.frames, std::size_t(c.frames)) << c.name;
    if (c.reading == ended) {
      EXPECT_EQ(got.declaredFrames, c.frames) << c.name;
    }
  }
}

// Until the set-up header is whole nothing opens; after it, what is whole decodes.
TEST(MalformedInputTest, AStreamCutAtOrInsideAnyPageIsRefusedOrDecodesItsWholePages) {
  for (int channels : {2, 6}) {
    const Pages pages = Encode(channels);
    const std::string stream = Joined(pages);
    std::size_t start = 0;
    for (std::size_t page = 0; page < pages.size(); start += pages[page++].size())
      for (std::size_t cut : {start, start + 13, start + pages[page].size() / 2}) {
        const Converted got = Convert(stream.substr(0, cut));
        const bool headers = cut >= pages[0].size() + pages[1].size();
        EXPECT_EQ(got.opened, headers) << cut;
        EXPECT_EQ(got.reading, headers ? Reading::Ended : Reading::Failed) << cut;
      }
  }
}

// Half the pages that a run changes get their checksums made anew, so that libvorbis parses
// them; the others test libogg's framing.
TEST(MalformedInputTest, ThousandsOfBitFlipsEachEndRefusedOrDecoded) {
  const Pages streams[] = {Encode(2), Encode(6)};
  std::mt19937 random(1770);
  int opened = 0, cases = 2000;
  for (int n = 0; n < cases; ++n) {
    Pages pages = streams[n % 2];
    std::string& page = pages[random() % pages.size()];
    const std::size_t header = HeaderLength(page);
    for (int flips = 1 + random() % 8; flips > 0; --flips) {
      const std::size_t bit = random() % (8 * page.size());
      page[bit / 8] ^= 1 << bit % 8;
    }
    if (random() % 2) Checksum(page, header);
    opened += Convert(Joined(pages)).opened;
  }
  EXPECT_GT(opened, 0);
  EXPECT_LT(opened, cases);
}

}  // namespace
