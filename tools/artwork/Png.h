#pragma once
#include <cstdint>
#include <vector>

#include "RgbaImage.h"

// A complete PNG file, compressed by the system zlib at a fixed level. Another
// zlib, or another version, may compress the same image into other bytes.
std::vector<std::uint8_t> PngFile(const RgbaImage& image);

// The header and the rows, inflated, of a PNG file that PngFile wrote: the
// same for the same image, whichever zlib compressed it. Throws
// std::runtime_error if the file is not such a PNG file.
std::vector<std::uint8_t> PngRows(const std::vector<std::uint8_t>& png);
