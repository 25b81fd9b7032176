#include "Palette.h"

#include <cstring>

namespace {
constexpr char kLegend[] = "krgybmcwKRGYBMCW";
constexpr char kTransparentChar = '.';
}  // namespace

const std::array<Rgb, 16> kVgaPalette = {{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

std::optional<int> PixelOf(char c) {
  if (c == kTransparentChar) return kTransparent;
  const char* found = c == '\0' ? nullptr : std::strchr(kLegend, c);
  if (!found) return std::nullopt;
  return static_cast<int>(found - kLegend);
}

char LegendOf(int pixel) { return pixel == kTransparent ? kTransparentChar : kLegend[pixel]; }
