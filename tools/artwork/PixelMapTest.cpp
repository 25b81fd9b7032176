#include "PixelMap.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "Palette.h"

namespace {

Picture Read(const std::string& text, int width, int height, bool allow_transparent = true) {
  std::istringstream in(text);
  return ReadPixelMap(in, "art/icons/5.txt", width, height, allow_transparent);
}

std::string ErrorOf(const std::string& text, int width, int height, bool allow_transparent = true) {
  try {
    Read(text, width, height, allow_transparent);
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "no error";
}

bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

TEST(PixelMap, TheLegendNamesTheVgaColours) {
  const Picture p = Read("kryw\nKYBW\n.Cmc\n", 4, 3);
  auto rgb = [&](int x, int y) { return kVgaPalette[p.At(x, y)]; };
  EXPECT_TRUE(rgb(0, 0) == (Rgb{0, 0, 0}));
  EXPECT_TRUE(rgb(1, 0) == (Rgb{128, 0, 0}));
  EXPECT_TRUE(rgb(2, 0) == (Rgb{128, 128, 0}));
  EXPECT_TRUE(rgb(3, 0) == (Rgb{192, 192, 192}));
  EXPECT_TRUE(rgb(0, 1) == (Rgb{128, 128, 128}));
  EXPECT_TRUE(rgb(1, 1) == (Rgb{255, 255, 0}));
  EXPECT_TRUE(rgb(2, 1) == (Rgb{0, 0, 255}));
  EXPECT_TRUE(rgb(3, 1) == (Rgb{255, 255, 255}));
  EXPECT_EQ(p.At(0, 2), kTransparent);
  EXPECT_TRUE(rgb(1, 2) == (Rgb{0, 255, 255}));
  EXPECT_TRUE(rgb(2, 2) == (Rgb{128, 0, 128}));
  EXPECT_TRUE(rgb(3, 2) == (Rgb{0, 128, 128}));
}

TEST(PixelMap, AMapSavedWithWindowsLineEndsReadsTheSame) {
  EXPECT_EQ(Read("kW\r\n.B\r\n", 2, 2).pixels, Read("kW\n.B\n", 2, 2).pixels);
}

TEST(PixelMap, ARowOfTheWrongWidthIsRejectedByLine) {
  EXPECT_EQ(ErrorOf("kk\nkkk\n", 2, 2), "art/icons/5.txt:2: row is 3 pixels wide, expected 2");
  EXPECT_EQ(ErrorOf("kk\nk\n", 2, 2), "art/icons/5.txt:2: row is 1 pixels wide, expected 2");
}

TEST(PixelMap, TheWrongNumberOfRowsIsRejected) {
  EXPECT_EQ(ErrorOf("kk\n", 2, 2), "art/icons/5.txt:2: only 1 rows, expected 2");
  EXPECT_EQ(ErrorOf("kk\nkk\n\n", 2, 2), "art/icons/5.txt:3: more than 2 rows");
}

TEST(PixelMap, AnUnknownCharacterIsRejectedByLineAndColumn) {
  EXPECT_EQ(ErrorOf("kk\nkx\n", 2, 2), "art/icons/5.txt:2: unknown colour 'x' in column 2");
}

TEST(PixelMap, TransparencyIsRejectedWhereThePictureHasNone) {
  EXPECT_EQ(ErrorOf(".k\nkk\n", 2, 2, false),
            "art/icons/5.txt:1: transparent '.' in column 1, but this picture has no transparency");
}

}  // namespace
