#include "Downscale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "PixelMap.h"

namespace {

// A map of rows each ended by a newline.
Picture Map(const std::string& text) {
  const int width = static_cast<int>(text.find('\n'));
  const int height = static_cast<int>(text.size()) / (width + 1);
  std::istringstream in(text);
  return ReadPixelMap(in, "map", width, height, true);
}

// Each pixel as 0xRRGGBBAA.
std::vector<std::uint32_t> Packed(const RgbaImage& image) {
  std::vector<std::uint32_t> pixels;
  for (std::size_t at = 0; at < image.rgba.size(); at += 4)
    pixels.push_back(std::uint32_t{image.rgba[at]} << 24 | image.rgba[at + 1] << 16 |
                     image.rgba[at + 2] << 8 | image.rgba[at + 3]);
  return pixels;
}

TEST(Downscale, AreaAverageWeighsEachPixelByTheAreaItCovers) {
  struct Case {
    const char* name;
    const char* map;
    int width, height;
    std::vector<std::uint32_t> pixels;
  };
  // Three pixels into two: each output pixel has two thirds of one and a
  // third of the next.
  const Case cases[] = {
      {"at its own size, its own colours", "R.\n", 2, 1, {0xFF0000FF, 0x00000000}},
      {"halves round up", "wW\n", 1, 1, {0xE0E0E0FF}},
      {"transparency fades the edge, not its colour", "R.B\n", 2, 1, {0xFF0000AA, 0x0000FFAA}},
      {"colours mix by area", "RBW\n", 2, 1, {0xAA0055FF, 0xAAAAFFFF}},
      {"in two directions at once", "RR.\nRR.\n...\n", 2, 1, {0xFF0000AA, 0xFF000039}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Packed(AreaAverage(Map(c.map), c.width, c.height)), c.pixels);
  }
}

TEST(Downscale, MajorityTakesTheColourCoveringMostAndBreaksTiesByNearness) {
  struct Case {
    const char* name;
    const char* map;
    const char* expected;
  };
  const Case cases[] = {
      {"the larger share wins, though the centre is another colour", "RBR\n", "R\n"},
      // Five into two: red and blue each cover two fifths of the first box.
      {"between equals, the pixel nearer the centre", "RBWWW\n", "BW\n"},
      // Four into three: red and blue each cover half of the middle box.
      {"between equally near, the first", "RRBB\n", "RRB\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Picture expected = Map(c.expected);
    EXPECT_EQ(MajorityDownscale(Map(c.map), expected.width, expected.height).pixels,
              expected.pixels);
  }
}

}  // namespace
