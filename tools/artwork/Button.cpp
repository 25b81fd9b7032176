#include "Button.h"

#include <algorithm>
#include <stdexcept>

#include "Palette.h"

namespace {
constexpr int kBevelDepth = 2;
// Per ring, outermost first. Light falls from the top left.
constexpr int kLight[kBevelDepth] = {kWhite, kWhite};
constexpr int kShadow[kBevelDepth] = {kBlack, kGray};
constexpr int kFace = -1;  // inside the bevel

// The bevel's colour at (x, y), or kFace. As in Windows' own edges, the
// top-right and bottom-left corners of each ring belong to the bottom and
// right sides.
int BevelAt(const Picture& p, int x, int y, int ring_width, bool pressed) {
  const int ring = std::min({x, y, p.width - 1 - x, p.height - 1 - y}) / ring_width;
  if (ring >= kBevelDepth) return kFace;
  const int depth = (ring + 1) * ring_width;  // from the edge to the ring's inner side
  const bool top_left = (y / ring_width == ring && x < p.width - depth) ||
                        (x / ring_width == ring && y < p.height - depth);
  return top_left != pressed ? kLight[ring] : kShadow[ring];
}
}  // namespace

void CheckRaisedBevel(const Picture& normal, int ring_width, const std::string& name) {
  for (int y = 0; y < normal.height; ++y)
    for (int x = 0; x < normal.width; ++x) {
      const int want = BevelAt(normal, x, y, ring_width, false);
      if (want != kFace && normal.At(x, y) != want)
        throw std::runtime_error(name + ":" + std::to_string(y + 1) + ": column " +
                                 std::to_string(x + 1) + " is '" + LegendOf(normal.At(x, y)) +
                                 "' but the raised bevel needs '" + LegendOf(want) + "'");
    }
}

Picture Pressed(const Picture& normal, int ring_width) {
  Picture pressed = normal;
  for (int y = 0; y < normal.height; ++y)
    for (int x = 0; x < normal.width; ++x) {
      const int bevel = BevelAt(normal, x, y, ring_width, true);
      const int from_x = x - ring_width, from_y = y - ring_width;
      if (bevel != kFace) {
        pressed.At(x, y) = bevel;
      } else {
        const bool from_face = BevelAt(normal, from_x, from_y, ring_width, false) == kFace;
        pressed.At(x, y) = from_face ? normal.At(from_x, from_y) : kSilver;
      }
    }
  return pressed;
}
