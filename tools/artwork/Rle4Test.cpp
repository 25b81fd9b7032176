#include "Rle4.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "Palette.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Decodes BI_RLE4 bits as Windows does, without the delta escape, which the
// encoder never writes. Throws if a pixel would fall outside the picture.
Picture Decode(const Bytes& bits, int width, int height) {
  Picture p(width, height, kTransparent);
  int x = 0, y = height - 1;
  auto put = [&](int pixel) {
    if (x >= width || y < 0) throw std::out_of_range("pixel outside the picture");
    p.At(x++, y) = pixel;
  };
  for (std::size_t at = 0;;) {
    const int count = bits.at(at), value = bits.at(at + 1);
    at += 2;
    if (count > 0) {  // a run
      for (int i = 0; i < count; ++i) put(i % 2 ? value & 15 : value >> 4);
    } else if (value == 0) {  // end of line
      x = 0;
      --y;
    } else if (value == 1) {  // end of bitmap
      if (at != bits.size()) throw std::length_error("bytes after the end of the bitmap");
      return p;
    } else if (value == 2) {
      throw std::domain_error("a delta");
    } else {  // a literal, padded to a 16-bit word
      for (int i = 0; i < value; ++i)
        put(i % 2 ? bits.at(at + i / 2) & 15 : bits.at(at + i / 2) >> 4);
      at += (value + 3) / 4 * 2;
    }
  }
}

// Each row tells what it exercises; all rows of a picture are as wide.
Picture Rows(const std::vector<std::string>& rows) {
  Picture p(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), kBlack);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) p.At(x, y) = *PixelOf(rows[y][x]);
  return p;
}

TEST(Rle4, EveryPictureDecodesBackToItsPixels) {
  const std::string stripes(300, 'k');
  std::string alternating;
  for (int i = 0; i < 300; ++i) alternating += i % 2 ? 'W' : 'R';
  const std::vector<std::vector<std::string>> pictures = {
      {"wwwwwwww", "wwkkkkww", "wRWRwwww"},  // rows in runs and a literal, bottom row first
      {"kkkkR", "kkkRW", "RWBkk", "RWBGk"},  // literals of one, two, three and four pixels
      {stripes},                             // a run longer than a count can hold
      {alternating},                         // a literal longer than a count can hold
      {"wwwwwwwRRRRRRRRRRRkWkWkWkWkwwwww"},  // runs and literals in turn
  };
  for (const auto& rows : pictures) {
    SCOPED_TRACE(rows[0].substr(0, 40));
    const Picture picture = Rows(rows);
    Picture decoded;
    ASSERT_NO_THROW(decoded = Decode(Rle4(picture), picture.width, picture.height));
    EXPECT_EQ(decoded.pixels, picture.pixels);
  }
}

}  // namespace
