#pragma once
#include <cstdint>
#include <vector>

#include "Picture.h"
#include "RgbaImage.h"

// The two Windows file formats built on a 4-bit device-independent bitmap
// with the VGA palette, whole files as bytes.

// A .ico holding the picture as a 16-colour image, its transparent pixels in
// the AND mask, and after it each of `larger` as a 32-bit PNG image, which
// Windows reads since Vista.
std::vector<std::uint8_t> IconFile(const Picture& picture, const std::vector<RgbaImage>& larger);

enum class Compression { kNone, kRle4 };

// A .bmp; the picture must have no transparent pixels.
std::vector<std::uint8_t> BitmapFile(const Picture& picture, Compression compression);
