#include "Png.h"

#include <algorithm>

namespace {
using Bytes = std::vector<std::uint8_t>;

void Put32BigEndian(Bytes& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back((v >> shift) & 0xFF);
}

void PutChunk(Bytes& out, const char* type, const Bytes& data) {
  Put32BigEndian(out, data.size());
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  Put32BigEndian(out, Crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored deflate blocks, each at most 65535 bytes.
Bytes ZlibStored(const Bytes& data) {
  Bytes out = {0x78, 0x01};
  std::size_t at = 0;
  do {
    const std::size_t n = std::min<std::size_t>(data.size() - at, 0xFFFF);
    out.push_back(at + n == data.size() ? 1 : 0);  // BFINAL, BTYPE 00
    out.push_back(n & 0xFF);
    out.push_back(n >> 8);
    out.push_back(~n & 0xFF);
    out.push_back((~n >> 8) & 0xFF);
    out.insert(out.end(), data.begin() + at, data.begin() + at + n);
    at += n;
  } while (at < data.size());
  Put32BigEndian(out, Adler32(data.data(), data.size()));
  return out;
}
}  // namespace

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
  }
  return ~crc;
}

std::uint32_t Adler32(const std::uint8_t* data, std::size_t size) {
  std::uint32_t a = 1, b = 0;
  for (std::size_t i = 0; i < size; ++i) {
    a = (a + data[i]) % 65521;
    b = (b + a) % 65521;
  }
  return b << 16 | a;
}

Bytes PngFile(const RgbImage& image) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  Put32BigEndian(header, image.width);
  Put32BigEndian(header, image.height);
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB, deflate, no filter, no interlace
  PutChunk(out, "IHDR", header);

  Bytes scanlines;
  const std::size_t row = 3 * image.width;
  for (int y = 0; y < image.height; ++y) {
    scanlines.push_back(0);  // filter: none
    scanlines.insert(scanlines.end(), image.rgb.begin() + y * row,
                     image.rgb.begin() + (y + 1) * row);
  }
  PutChunk(out, "IDAT", ZlibStored(scanlines));
  PutChunk(out, "IEND", {});
  return out;
}
