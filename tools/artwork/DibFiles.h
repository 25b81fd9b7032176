#pragma once
#include <cstdint>
#include <vector>

#include "Picture.h"

// The two Windows file formats built on a 4-bit device-independent bitmap
// with the VGA palette, whole files as bytes.

// A .ico holding this one image; transparent pixels go into the AND mask.
std::vector<std::uint8_t> IconFile(const Picture& picture);

// A .bmp; the picture must have no transparent pixels.
std::vector<std::uint8_t> BitmapFile(const Picture& picture);
