#pragma once
#include <cstdint>
#include <vector>

// Whether two .ico or .bmp files that the generator wrote hold the same
// pictures: the same bytes, except that each PNG image of an icon is
// compared by its rows inflated, since another zlib compresses them into
// other bytes. Throws std::runtime_error if a file is not such a file.
bool SamePictures(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b);
