#include "DibFiles.h"

#include "Palette.h"
#include "Png.h"
#include "Rle4.h"

namespace {
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteSize = 16 * 4;
constexpr std::uint32_t kBiRgb = 0, kBiRle4 = 2;

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

// BITMAPINFOHEADER and the palette. An icon's header counts the colour
// image and the mask as one bitmap of twice the height.
void PutInfoHeader(Bytes& out, const Picture& p, int height, std::uint32_t compression,
                   std::uint32_t bits_size) {
  Put32(out, kInfoHeaderSize);
  Put32(out, p.width);
  Put32(out, height);
  Put16(out, 1);  // planes
  Put16(out, 4);  // bits per pixel
  Put32(out, compression);
  Put32(out, bits_size);
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
Bytes ColourBits(const Picture& p) {
  Bytes out;
  for (int y = p.height - 1; y >= 0; --y) {
    Bytes row(RowBytes(p.width, 4), 0);
    for (int x = 0; x < p.width; ++x) {
      const int pixel = p.At(x, y);
      const int index = pixel == kTransparent ? kBlack : pixel;  // XOR with black: no change
      row[x / 2] |= x % 2 ? index : index << 4;
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

// Bottom row first, a set bit where the screen shows through.
Bytes Mask(const Picture& p) {
  Bytes out;
  for (int y = p.height - 1; y >= 0; --y) {
    Bytes row(RowBytes(p.width, 1), 0);
    for (int x = 0; x < p.width; ++x)
      if (p.At(x, y) == kTransparent) row[x / 8] |= 0x80 >> (x % 8);
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

// ICONDIRENTRY, for images smaller than 256 x 256.
void PutIconEntry(Bytes& out, int width, int height, int colours, int bits_per_pixel,
                  std::uint32_t size, std::uint32_t offset) {
  out.push_back(width);
  out.push_back(height);
  out.push_back(colours);
  out.push_back(0);
  Put16(out, 1);  // planes
  Put16(out, bits_per_pixel);
  Put32(out, size);
  Put32(out, offset);
}
}  // namespace

Bytes IconFile(const Picture& p, const std::vector<RgbaImage>& larger) {
  constexpr std::uint32_t kDirSize = 6, kEntrySize = 16;
  const Bytes colour = ColourBits(p), mask = Mask(p);
  Bytes dib;
  PutInfoHeader(dib, p, 2 * p.height, kBiRgb, colour.size() + mask.size());
  dib.insert(dib.end(), colour.begin(), colour.end());
  dib.insert(dib.end(), mask.begin(), mask.end());
  std::vector<Bytes> pngs;
  for (const RgbaImage& image : larger) pngs.push_back(PngFile(image));

  Bytes out;
  Put16(out, 0);  // ICONDIR: reserved, type icon, image count
  Put16(out, 1);
  Put16(out, 1 + pngs.size());
  std::uint32_t offset = kDirSize + kEntrySize * (1 + pngs.size());
  PutIconEntry(out, p.width, p.height, 16, 4, dib.size(), offset);
  offset += dib.size();
  for (std::size_t i = 0; i < pngs.size(); ++i) {
    PutIconEntry(out, larger[i].width, larger[i].height, 0, 32, pngs[i].size(), offset);
    offset += pngs[i].size();
  }
  out.insert(out.end(), dib.begin(), dib.end());
  for (const Bytes& png : pngs) out.insert(out.end(), png.begin(), png.end());
  return out;
}

Bytes BitmapFile(const Picture& p, Compression compression) {
  constexpr std::uint32_t kFileHeaderSize = 14;
  const std::uint32_t bits_offset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;
  const bool rle4 = compression == Compression::kRle4;
  const Bytes bits = rle4 ? Rle4(p) : ColourBits(p);
  Bytes out;
  out.push_back('B');  // BITMAPFILEHEADER
  out.push_back('M');
  Put32(out, bits_offset + bits.size());
  Put32(out, 0);  // reserved
  Put32(out, bits_offset);
  PutInfoHeader(out, p, p.height, rle4 ? kBiRle4 : kBiRgb, bits.size());
  out.insert(out.end(), bits.begin(), bits.end());
  return out;
}
