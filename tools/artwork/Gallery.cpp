#include "Gallery.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "Palette.h"

namespace {
constexpr int kZoom = 4;
constexpr int kGap = 16;
constexpr int kLabelZoom = 2;
constexpr int kLabelHeight = 5 * kLabelZoom;
constexpr int kWidestPerRow = 4;  // two buttons, each normal and pressed
constexpr Rgb kDesktop = {0, 128, 128};
constexpr Rgb kLabel = {255, 255, 255};
constexpr Rgb kCheckLight = {255, 255, 255};
constexpr Rgb kCheckDark = {204, 204, 204};

// 3 x 5 digits, a row in each octal digit, the top row first.
constexpr int kDigits[10] = {075557, 026227, 071747, 071717, 055711,
                             074717, 074757, 071111, 075757, 075717};

struct Placed {
  const Labelled* item;
  int x, y;
};

// How much of `over` shows at `alpha`, the rest from `under`.
std::uint8_t Blend(int over, int under, int alpha) {
  return static_cast<std::uint8_t>((over * alpha + under * (255 - alpha) + 127) / 255);
}

class Canvas {
 public:
  Canvas(int width, int height) {
    image_.width = width;
    image_.height = height;
    image_.rgba.resize(4 * static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) Set(x, y, kDesktop);
  }

  void Set(int x, int y, Rgb c) {
    const std::size_t at = 4 * (static_cast<std::size_t>(y) * image_.width + x);
    image_.rgba[at] = c.r;
    image_.rgba[at + 1] = c.g;
    image_.rgba[at + 2] = c.b;
    image_.rgba[at + 3] = 255;
  }

  void Fill(int x, int y, int size, Rgb c) {
    for (int dy = 0; dy < size; ++dy)
      for (int dx = 0; dx < size; ++dx) Set(x + dx, y + dy, c);
  }

  void Draw(const Placed& p) {
    const RgbaImage& image = p.item->image;
    for (int y = 0; y < image.height; ++y)
      for (int x = 0; x < image.width; ++x) {
        const std::uint8_t* pixel =
            &image.rgba[4 * (static_cast<std::size_t>(y) * image.width + x)];
        // Checks two source pixels wide, so they can't be mistaken for art.
        const Rgb check = (x / 2 + y / 2) % 2 ? kCheckDark : kCheckLight;
        const int alpha = pixel[3];
        Fill(p.x + x * kZoom, p.y + y * kZoom, kZoom,
             {Blend(pixel[0], check.r, alpha), Blend(pixel[1], check.g, alpha),
              Blend(pixel[2], check.b, alpha)});
      }
    int x = p.x;
    const int y = p.y + image.height * kZoom + kLabelZoom * 2;
    for (char digit : p.item->id) {
      const int glyph = kDigits[digit - '0'];
      for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 3; ++col)
          if (glyph >> ((4 - row) * 3 + (2 - col)) & 1)
            Fill(x + col * kLabelZoom, y + row * kLabelZoom, kLabelZoom, kLabel);
      x += 4 * kLabelZoom;
    }
  }

  RgbaImage Take() { return std::move(image_); }

 private:
  RgbaImage image_;
};
}  // namespace

RgbaImage Gallery(const std::vector<std::vector<Labelled>>& groups) {
  int widest = 0;
  for (const auto& group : groups)
    for (const Labelled& item : group) widest = std::max(widest, item.image.width);
  const int width = kGap + kWidestPerRow * (widest * kZoom + kGap);

  // Flow each group left to right, wrapping at the gallery's width.
  std::vector<Placed> placed;
  int y = kGap;
  for (const auto& group : groups) {
    int x = kGap, row_height = 0;
    for (const Labelled& item : group) {
      const int w = item.image.width * kZoom, h = item.image.height * kZoom;
      if (x + w + kGap > width) {
        x = kGap;
        y += row_height;
        row_height = 0;
      }
      placed.push_back({&item, x, y});
      x += w + kGap;
      row_height = std::max(row_height, h + 2 * kLabelZoom + kLabelHeight + kGap);
    }
    y += row_height + kGap;
  }
  Canvas canvas(width, y);
  for (const Placed& p : placed) canvas.Draw(p);
  return canvas.Take();
}
