#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// 8-bit RGB, top row first.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
};

// A complete PNG file. The image data goes in stored (uncompressed) deflate
// blocks: bigger than need be, but it needs no compression library.
std::vector<std::uint8_t> PngFile(const RgbImage& image);

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size);
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size);
