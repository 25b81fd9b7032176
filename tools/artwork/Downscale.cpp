#include "Downscale.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>

#include "Palette.h"

namespace {
using Area = std::int64_t;

// Along one axis, source pixel i spans [i * out, (i + 1) * out) and output
// pixel o spans [o * in, (o + 1) * in): in these units every edge is whole.
Area Overlap(int i, int o, int in, int out) {
  const Area start = std::max<Area>(Area{i} * out, Area{o} * in);
  const Area end = std::min<Area>(Area{i + 1} * out, Area{o + 1} * in);
  return std::max<Area>(0, end - start);
}

// Calls visit(x, y, area) for each source pixel under output pixel (ox, oy).
template <typename Visit>
void ForEachUnder(const Picture& p, int width, int height, int ox, int oy, Visit visit) {
  for (int y = oy * p.height / height; y * height < (oy + 1) * p.height; ++y)
    for (int x = ox * p.width / width; x * width < (ox + 1) * p.width; ++x)
      visit(x, y, Overlap(x, ox, p.width, width) * Overlap(y, oy, p.height, height));
}

std::uint8_t Rounded(Area numerator, Area denominator) {
  return static_cast<std::uint8_t>((2 * numerator + denominator) / (2 * denominator));
}
}  // namespace

RgbaImage AreaAverage(const Picture& p, int width, int height) {
  RgbaImage image{width, height, {}};
  const Area box = Area{p.width} * p.height;  // an output pixel, in Overlap's units squared
  for (int oy = 0; oy < height; ++oy)
    for (int ox = 0; ox < width; ++ox) {
      Area opaque = 0, r = 0, g = 0, b = 0;
      ForEachUnder(p, width, height, ox, oy, [&](int x, int y, Area area) {
        if (p.At(x, y) == kTransparent) return;
        const Rgb& c = kVgaPalette[p.At(x, y)];
        opaque += area;
        r += area * c.r;
        g += area * c.g;
        b += area * c.b;
      });
      for (Area sum : {r, g, b}) image.rgba.push_back(opaque ? Rounded(sum, opaque) : 0);
      image.rgba.push_back(Rounded(255 * opaque, box));
    }
  return image;
}

Picture MajorityDownscale(const Picture& p, int width, int height) {
  Picture out(width, height, kBlack);
  for (int oy = 0; oy < height; ++oy)
    for (int ox = 0; ox < width; ++ox) {
      std::map<int, Area> cover;
      ForEachUnder(p, width, height, ox, oy,
                   [&](int x, int y, Area area) { cover[p.At(x, y)] += area; });
      Area most = 0;
      for (const auto& [colour, area] : cover) most = std::max(most, area);

      // Twice the distances between centres, in Overlap's units; scaled so
      // that the two axes, whose units differ, compare exactly.
      Area nearest = std::numeric_limits<Area>::max();
      ForEachUnder(p, width, height, ox, oy, [&](int x, int y, Area) {
        if (cover[p.At(x, y)] != most) return;
        const Area dx = Area{2 * x + 1} * width - Area{2 * ox + 1} * p.width;
        const Area dy = Area{2 * y + 1} * height - Area{2 * oy + 1} * p.height;
        const Area distance = dx * dx * height * height + dy * dy * width * width;
        if (distance < nearest) {
          nearest = distance;
          out.At(ox, oy) = p.At(x, y);
        }
      });
    }
  return out;
}
