#include "Png.h"

#include <zlib.h>

#include <stdexcept>
#include <string>

namespace {
using Bytes = std::vector<std::uint8_t>;

constexpr int kCompressionLevel = 9;

void Put32BigEndian(Bytes& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back((v >> shift) & 0xFF);
}

std::uint32_t Get32BigEndian(const Bytes& in, std::size_t at) {
  return std::uint32_t{in[at]} << 24 | in[at + 1] << 16 | in[at + 2] << 8 | in[at + 3];
}

void PutChunk(Bytes& out, const char* type, const Bytes& data) {
  Put32BigEndian(out, data.size());
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  Put32BigEndian(out, crc32(0, out.data() + start, out.size() - start));
}

Bytes Compressed(const Bytes& data) {
  uLongf size = compressBound(data.size());
  Bytes out(size);
  if (compress2(out.data(), &size, data.data(), data.size(), kCompressionLevel) != Z_OK)
    throw std::runtime_error("zlib could not compress a PNG image");
  out.resize(size);
  return out;
}
}  // namespace

Bytes PngFile(const RgbaImage& image) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  Put32BigEndian(header, image.width);
  Put32BigEndian(header, image.height);
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, deflate, no filter, no interlace
  PutChunk(out, "IHDR", header);

  Bytes scanlines;
  const std::size_t row = 4 * image.width;
  for (int y = 0; y < image.height; ++y) {
    scanlines.push_back(0);  // filter: none
    scanlines.insert(scanlines.end(), image.rgba.begin() + y * row,
                     image.rgba.begin() + (y + 1) * row);
  }
  PutChunk(out, "IDAT", Compressed(scanlines));
  PutChunk(out, "IEND", {});
  return out;
}

Bytes PngRows(const Bytes& png) {
  Bytes header, deflated;
  for (std::size_t at = 8; at + 12 <= png.size();) {
    const std::uint32_t size = Get32BigEndian(png, at);
    if (size > png.size() - at - 12) break;
    const std::string type(png.begin() + at + 4, png.begin() + at + 8);
    const auto data = png.begin() + at + 8;
    if (type == "IHDR") header.assign(data, data + size);
    if (type == "IDAT") deflated.insert(deflated.end(), data, data + size);
    at += 12 + size;
  }
  if (header.size() != 13) throw std::runtime_error("a PNG image has no header");
  const uLongf size = Get32BigEndian(header, 4) * (1 + 4 * uLongf{Get32BigEndian(header, 0)});
  Bytes rows = header;
  rows.resize(header.size() + size);
  uLongf inflated = size;
  const int result =
      uncompress(rows.data() + header.size(), &inflated, deflated.data(), deflated.size());
  if (result != Z_OK || inflated != size)
    throw std::runtime_error("a PNG image's rows do not inflate to its size");
  return rows;
}
