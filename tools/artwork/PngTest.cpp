#include "Png.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t BigEndian(const Bytes& b, std::size_t at) {
  return b[at] << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}

TEST(Png, ChecksumsMatchTheirPublishedCheckValues) {
  const std::string digits = "123456789";
  EXPECT_EQ(Crc32(reinterpret_cast<const std::uint8_t*>(digits.data()), digits.size()),
            0xCBF43926u);
  const std::string word = "Wikipedia";
  EXPECT_EQ(Adler32(reinterpret_cast<const std::uint8_t*>(word.data()), word.size()), 0x11E60398u);
}

// An image too big for one stored block: walk the blocks and check they
// join back into the scanlines, each with a filter byte of 0.
TEST(Png, ALargeImageSpansStoredBlocksThatJoinBackUp) {
  RgbImage image{200, 150, {}};
  for (int i = 0; i < 3 * 200 * 150; ++i) image.rgb.push_back(i * 7 % 251);
  const Bytes png = PngFile(image);

  const std::size_t ihdr = 8, idat = ihdr + 12 + 13;
  ASSERT_EQ(std::string(png.begin() + idat + 4, png.begin() + idat + 8), "IDAT");
  const std::size_t end = idat + 8 + BigEndian(png, idat);
  std::size_t at = idat + 8 + 2;  // past the zlib header
  Bytes joined;
  int blocks = 0;
  for (bool last = false; !last; ++blocks) {
    last = png[at] & 1;
    const unsigned len = png[at + 1] | png[at + 2] << 8;
    const unsigned nlen = png[at + 3] | png[at + 4] << 8;
    ASSERT_EQ(len ^ 0xFFFF, nlen);
    joined.insert(joined.end(), png.begin() + at + 5, png.begin() + at + 5 + len);
    at += 5 + len;
  }
  EXPECT_EQ(blocks, 2);
  EXPECT_EQ(at + 4, end);  // only the Adler-32 follows
  EXPECT_EQ(BigEndian(png, at), Adler32(joined.data(), joined.size()));

  ASSERT_EQ(joined.size(), 150u * (1 + 600));
  for (int y = 0; y < 150; ++y) {
    EXPECT_EQ(joined[y * 601], 0);
    EXPECT_TRUE(std::equal(image.rgb.begin() + y * 600, image.rgb.begin() + (y + 1) * 600,
                           joined.begin() + y * 601 + 1));
  }
}

}  // namespace
