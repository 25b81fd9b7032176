#include "SamePictures.h"

#include <algorithm>
#include <stdexcept>

#include "Png.h"

namespace {
using Bytes = std::vector<std::uint8_t>;

const Bytes kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t Get32(const Bytes& in, std::size_t at) {
  return in[at] | in[at + 1] << 8 | in[at + 2] << 16 | std::uint32_t{in[at + 3]} << 24;
}

// A bitmap as it is; an icon as its header, each image's entry without the
// image's size and place in the file, then each image, a PNG one inflated.
Bytes Pictures(const Bytes& file) {
  if (file.size() >= 2 && file[0] == 'B' && file[1] == 'M') return file;
  const std::size_t count = file.size() >= 6 ? file[4] | file[5] << 8 : 0;
  if (count == 0 || file.size() < 6 + 16 * count) throw std::runtime_error("not an icon file");
  Bytes pictures(file.begin(), file.begin() + 6);
  for (std::size_t entry = 6; entry < 6 + 16 * count; entry += 16) {
    pictures.insert(pictures.end(), file.begin() + entry, file.begin() + entry + 8);
    const std::size_t size = Get32(file, entry + 8), offset = Get32(file, entry + 12);
    if (offset > file.size() || size > file.size() - offset)
      throw std::runtime_error("an icon's image lies outside its file");
    Bytes image(file.begin() + offset, file.begin() + offset + size);
    if (size >= kPngSignature.size() &&
        std::equal(kPngSignature.begin(), kPngSignature.end(), image.begin()))
      image = PngRows(image);
    pictures.insert(pictures.end(), image.begin(), image.end());
  }
  return pictures;
}
}  // namespace

bool SamePictures(const Bytes& a, const Bytes& b) { return Pictures(a) == Pictures(b); }
