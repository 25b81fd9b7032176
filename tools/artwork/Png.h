#pragma once
#include <cstdint>
#include <vector>

#include "RgbaImage.h"

// A complete PNG file, compressed by the system zlib at a fixed level, so
// that with the same zlib the same image gives the same bytes, which
// artwork_is_current relies on.
std::vector<std::uint8_t> PngFile(const RgbaImage& image);
