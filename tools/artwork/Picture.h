#pragma once
#include <vector>

// A picture as palette indices (or kTransparent), top row first.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<int> pixels;

  Picture() = default;
  Picture(int w, int h, int fill) : width(w), height(h), pixels(w * h, fill) {}
  int At(int x, int y) const { return pixels[y * width + x]; }
  int& At(int x, int y) { return pixels[y * width + x]; }
};
