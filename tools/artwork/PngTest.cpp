#include "Png.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t BigEndian(const Bytes& b, std::size_t at) {
  return b[at] << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}

// Walks the chunks, checking each one's CRC, and inflates the image data
// back into the scanlines: each row the image's, after a filter byte of 0.
TEST(Png, TheImageDataInflatesBackToTheRows) {
  RgbaImage image{200, 150, {}};
  for (int i = 0; i < 4 * 200 * 150; ++i) image.rgba.push_back(i * 7 % 251);
  const Bytes png = PngFile(image);

  ASSERT_EQ(Bytes(png.begin(), png.begin() + 8),
            (Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
  std::vector<std::string> types;
  Bytes header, deflated;
  for (std::size_t at = 8; at < png.size();) {
    const std::uint32_t size = BigEndian(png, at);
    ASSERT_LE(at + 12 + size, png.size());
    EXPECT_EQ(BigEndian(png, at + 8 + size), crc32(0, &png[at + 4], 4 + size));
    const std::string type(png.begin() + at + 4, png.begin() + at + 8);
    const Bytes data(png.begin() + at + 8, png.begin() + at + 8 + size);
    types.push_back(type);
    if (type == "IHDR") header = data;
    if (type == "IDAT") deflated.insert(deflated.end(), data.begin(), data.end());
    at += 12 + size;
  }
  EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
  ASSERT_EQ(header.size(), 13u);
  EXPECT_EQ(BigEndian(header, 0), 200u);
  EXPECT_EQ(BigEndian(header, 4), 150u);
  EXPECT_EQ(Bytes(header.begin() + 8, header.end()), (Bytes{8, 6, 0, 0, 0}));  // 8-bit RGBA

  const std::size_t row = 1 + 4 * 200;
  Bytes scanlines(150 * row);
  uLongf size = scanlines.size();
  ASSERT_EQ(uncompress(scanlines.data(), &size, deflated.data(), deflated.size()), Z_OK);
  ASSERT_EQ(size, scanlines.size());
  EXPECT_LT(deflated.size(), scanlines.size());
  for (int y = 0; y < 150; ++y) {
    EXPECT_EQ(scanlines[y * row], 0);
    EXPECT_TRUE(std::equal(image.rgba.begin() + y * (row - 1),
                           image.rgba.begin() + (y + 1) * (row - 1),
                           scanlines.begin() + y * row + 1));
  }

  Bytes rows = header;
  rows.insert(rows.end(), scanlines.begin(), scanlines.end());
  EXPECT_EQ(PngRows(png), rows) << "what this image gives whichever zlib compressed it";
}

}  // namespace
