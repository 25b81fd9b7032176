#include "Rle4.h"

#include <algorithm>

namespace {
using Bytes = std::vector<std::uint8_t>;

constexpr int kLongest = 255;  // pixels in one run or one literal
// A run costs two bytes and a literal half a byte a pixel, so a shorter run
// is cheaper as part of a literal.
constexpr int kShortestRun = 4;

// Encoded mode: `count` pixels of the colours `first` and `second` in turn.
void PutRun(Bytes& out, int count, int first, int second) {
  out.push_back(count);
  out.push_back(first << 4 | second);
}

// Absolute mode, for three pixels or more: two pixels a byte, padded to a
// whole 16-bit word. One or two pixels go in a run of their colours instead.
void PutLiteral(Bytes& out, const int* pixels, int count) {
  if (count < 3) {
    PutRun(out, count, pixels[0], count == 2 ? pixels[1] : 0);
    return;
  }
  out.push_back(0);
  out.push_back(count);
  for (int i = 0; i < count; i += 2)
    out.push_back(pixels[i] << 4 | (i + 1 < count ? pixels[i + 1] : 0));
  if ((count + 1) / 2 % 2) out.push_back(0);
}

void PutLiterals(Bytes& out, const int* pixels, int count) {
  for (int at = 0; at < count; at += kLongest)
    PutLiteral(out, pixels + at, std::min(kLongest, count - at));
}
}  // namespace

Bytes Rle4(const Picture& p) {
  Bytes out;
  for (int y = p.height - 1; y >= 0; --y) {
    const int* row = p.pixels.data() + y * p.width;
    int literal = 0;  // where the pixels not yet written begin
    for (int x = 0; x < p.width;) {
      int run = 1;
      while (x + run < p.width && run < kLongest && row[x + run] == row[x]) ++run;
      if (run >= kShortestRun) {
        PutLiterals(out, row + literal, x - literal);
        PutRun(out, run, row[x], row[x]);
        literal = x + run;
      }
      x += run;
    }
    PutLiterals(out, row + literal, p.width - literal);
    out.push_back(0);
    out.push_back(y == 0 ? 1 : 0);  // end of bitmap, or of line
  }
  return out;
}
