#include "PixelMap.h"

#include <stdexcept>

#include "Palette.h"

namespace {
[[noreturn]] void Fail(const std::string& name, int line, const std::string& what) {
  throw std::runtime_error(name + ":" + std::to_string(line) + ": " + what);
}
}  // namespace

Picture ReadPixelMap(std::istream& in, const std::string& name, int width, int height,
                     bool allow_transparent) {
  Picture picture(width, height, kBlack);
  std::string row;
  int line = 0;
  while (std::getline(in, row)) {
    ++line;
    if (!row.empty() && row.back() == '\r') row.pop_back();  // saved on Windows
    if (line > height) Fail(name, line, "more than " + std::to_string(height) + " rows");
    if (static_cast<int>(row.size()) != width)
      Fail(name, line,
           "row is " + std::to_string(row.size()) + " pixels wide, expected " +
               std::to_string(width));
    for (int x = 0; x < width; ++x) {
      const auto pixel = PixelOf(row[x]);
      const std::string column = " in column " + std::to_string(x + 1);
      if (!pixel) Fail(name, line, std::string("unknown colour '") + row[x] + "'" + column);
      if (*pixel == kTransparent && !allow_transparent)
        Fail(name, line, "transparent '.'" + column + ", but this picture has no transparency");
      picture.At(x, line - 1) = *pixel;
    }
  }
  if (line < height)
    Fail(name, line + 1,
         "only " + std::to_string(line) + " rows, expected " + std::to_string(height));
  return picture;
}
