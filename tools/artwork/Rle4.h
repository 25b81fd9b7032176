#pragma once
#include <cstdint>
#include <vector>

#include "Picture.h"

// The pixels of a picture with no transparency as the bits of a BI_RLE4
// bitmap: bottom row first, each row as runs of one colour and, where the
// colours change often, literal stretches, then the end of the line or, after
// the last row, of the bitmap.
std::vector<std::uint8_t> Rle4(const Picture& picture);
