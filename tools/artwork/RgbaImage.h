#pragma once
#include <cstdint>
#include <vector>

// 8-bit RGBA, four bytes a pixel, top row first. Alpha is straight, not
// premultiplied, as PNG stores it.
struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;
};
