#include "DibFiles.h"

#include "Palette.h"

namespace {
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteSize = 16 * 4;

void Put16(Bytes& out, std::uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}

void Put32(Bytes& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// DIB rows are padded to whole 32-bit words.
std::uint32_t RowBytes(int width, int bits_per_pixel) {
  return (width * bits_per_pixel + 31) / 32 * 4;
}

std::uint32_t ColourBitsSize(const Picture& p) { return RowBytes(p.width, 4) * p.height; }
std::uint32_t MaskSize(const Picture& p) { return RowBytes(p.width, 1) * p.height; }

// BITMAPINFOHEADER and the palette. An icon's header counts the colour
// image and the mask as one bitmap of twice the height.
void PutInfoHeader(Bytes& out, const Picture& p, bool icon) {
  Put32(out, kInfoHeaderSize);
  Put32(out, p.width);
  Put32(out, icon ? 2 * p.height : p.height);
  Put16(out, 1);  // planes
  Put16(out, 4);  // bits per pixel
  Put32(out, 0);  // BI_RGB
  Put32(out, ColourBitsSize(p) + (icon ? MaskSize(p) : 0));
  Put32(out, 0);  // pixels per metre, x and y: unspecified
  Put32(out, 0);
  Put32(out, 16);  // colours used
  Put32(out, 0);   // all of them important
  for (const Rgb& c : kVgaPalette) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }
}

// Bottom row first, two pixels a byte, the left one in the high nibble.
void PutColourBits(Bytes& out, const Picture& p) {
  for (int y = p.height - 1; y >= 0; --y) {
    Bytes row(RowBytes(p.width, 4), 0);
    for (int x = 0; x < p.width; ++x) {
      const int pixel = p.At(x, y);
      const int index = pixel == kTransparent ? kBlack : pixel;  // XOR with black: no change
      row[x / 2] |= x % 2 ? index : index << 4;
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

// Bottom row first, a set bit where the screen shows through.
void PutMask(Bytes& out, const Picture& p) {
  for (int y = p.height - 1; y >= 0; --y) {
    Bytes row(RowBytes(p.width, 1), 0);
    for (int x = 0; x < p.width; ++x)
      if (p.At(x, y) == kTransparent) row[x / 8] |= 0x80 >> (x % 8);
    out.insert(out.end(), row.begin(), row.end());
  }
}
}  // namespace

Bytes IconFile(const Picture& p) {
  constexpr std::uint32_t kDirSize = 6, kEntrySize = 16;
  Bytes out;
  Put16(out, 0);  // ICONDIR: reserved, type icon, one image
  Put16(out, 1);
  Put16(out, 1);
  out.push_back(p.width);  // ICONDIRENTRY
  out.push_back(p.height);
  out.push_back(16);  // colours
  out.push_back(0);
  Put16(out, 1);  // planes
  Put16(out, 4);  // bits per pixel
  Put32(out, kInfoHeaderSize + kPaletteSize + ColourBitsSize(p) + MaskSize(p));
  Put32(out, kDirSize + kEntrySize);
  PutInfoHeader(out, p, true);
  PutColourBits(out, p);
  PutMask(out, p);
  return out;
}

Bytes BitmapFile(const Picture& p) {
  constexpr std::uint32_t kFileHeaderSize = 14;
  const std::uint32_t bits_offset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;
  Bytes out;
  out.push_back('B');  // BITMAPFILEHEADER
  out.push_back('M');
  Put32(out, bits_offset + ColourBitsSize(p));
  Put32(out, 0);  // reserved
  Put32(out, bits_offset);
  PutInfoHeader(out, p, false);
  PutColourBits(out, p);
  return out;
}
