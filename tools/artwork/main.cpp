// Turns the text pixel maps in resources/art/ into the icons and button
// bitmaps the resource script includes, or into a gallery for judging them.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "Button.h"
#include "DibFiles.h"
#include "Downscale.h"
#include "Gallery.h"
#include "PixelMap.h"
#include "Png.h"
#include "SamePictures.h"
#include "resources/DisplayScales.h"

namespace {
namespace fs = std::filesystem;

constexpr int kIconSize = 32;
constexpr int kButtonWidth = 62;
constexpr int kButtonHeight = 38;
// A pressed image's resource id is its normal image's plus this.
constexpr int kPressedOffset = 2000;
// The name of a map drawn for 200 % display scale ends in this.
const std::string kDoubled = "@2x";

// A size at 100 % at a display scale, to the nearest pixel, halves up.
constexpr int AtScale(int size, const DisplayScale& scale) {
  return (size * scale.percent + 50) / 100;
}

const char kUsage[] =
    "usage: artwork ART_DIR OUT_DIR\n"
    "         writes OUT_DIR/icons/<id>.ico and OUT_DIR/bitmaps/<id>[-<scale>].bmp\n"
    "       artwork --gallery ART_DIR PNG_FILE\n"
    "         draws every picture enlarged and labelled into PNG_FILE\n"
    "       artwork --same FILE FILE\n"
    "         exits with 0 if the two .ico or .bmp files hold the same pictures, else 1\n";

// A picture drawn for 100 % in <id>.txt and for 200 % in <id>@2x.txt.
struct Drawing {
  std::string id;
  Picture normal;
  Picture doubled;
};

// A map drawn for `scale` times 100 %: its size grows with it and so, on a
// button, does the width of each ring of the bevel.
Picture Read(const fs::path& path, int width, int height, int scale, bool icon) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error(path.string() + ": cannot read");
  Picture picture = ReadPixelMap(in, path.string(), scale * width, scale * height, icon);
  if (!icon) CheckRaisedBevel(picture, scale, path.string());
  return picture;
}

// The drawings of one folder, in order of resource id, which is each file's
// name.
std::vector<Drawing> Load(const fs::path& dir, int width, int height, bool icons) {
  std::vector<long> ids;
  for (const auto& entry : fs::directory_iterator(dir)) {
    const fs::path& path = entry.path();
    if (path.extension() != ".txt") continue;
    std::string id = path.stem().string();
    const bool doubled = id.size() > kDoubled.size() &&
                         id.compare(id.size() - kDoubled.size(), kDoubled.size(), kDoubled) == 0;
    if (doubled) id.resize(id.size() - kDoubled.size());
    if (id.empty() || id.size() > 5 || id.find_first_not_of("0123456789") != std::string::npos)
      throw std::runtime_error(path.string() + ": the name must be a resource id, a number, " +
                               "followed by " + kDoubled + " for the 200 % drawing");
    if (!doubled) ids.push_back(std::stol(id));
  }
  std::sort(ids.begin(), ids.end());

  std::vector<Drawing> drawings;
  for (long number : ids) {
    const std::string id = std::to_string(number);
    drawings.push_back({id, Read(dir / (id + ".txt"), width, height, 1, icons),
                        Read(dir / (id + kDoubled + ".txt"), width, height, 2, icons)});
  }
  return drawings;
}

std::vector<Drawing> LoadIcons(const fs::path& art) {
  return Load(art / "icons", kIconSize, kIconSize, true);
}

// An icon's images beside the 32 x 32 one, one for each larger display
// scale, all from its 64 x 64 drawing.
std::vector<RgbaImage> LargerIcons(const Drawing& icon) {
  std::vector<RgbaImage> images;
  for (const DisplayScale& scale : DisplayScales) {
    const int size = AtScale(kIconSize, scale);
    images.push_back(AreaAverage(icon.doubled, size, size));
  }
  return images;
}

struct Bitmap {
  std::string id;
  Picture picture;
};

// The bitmaps for one display scale: each button's normal image followed by
// its pressed one.
struct ButtonScale {
  std::string suffix;
  Compression compression;
  std::vector<Bitmap> bitmaps;
};

// The 100 % bitmaps stay as they have always been. The larger ones, one set
// for each larger display scale, all from the 200 % drawing so that none is
// stretched up, are run-length encoded, which takes a half to a third of
// the space.
std::vector<ButtonScale> LoadButtons(const fs::path& art) {
  std::vector<ButtonScale> scales = {{"", Compression::kNone, {}}};
  for (const DisplayScale& scale : DisplayScales)
    scales.push_back({"-" + std::to_string(scale.percent), Compression::kRle4, {}});
  for (const Drawing& button : Load(art / "buttons", kButtonWidth, kButtonHeight, false)) {
    const std::string pressed_id = std::to_string(std::stol(button.id) + kPressedOffset);
    scales[0].bitmaps.push_back({button.id, button.normal});
    scales[0].bitmaps.push_back({pressed_id, Pressed(button.normal, 1)});
    const Picture pressed = Pressed(button.doubled, 2);
    for (std::size_t i = 0; i < std::size(DisplayScales); ++i) {
      const int width = AtScale(kButtonWidth, DisplayScales[i]);
      const int height = AtScale(kButtonHeight, DisplayScales[i]);
      std::vector<Bitmap>& bitmaps = scales[i + 1].bitmaps;
      bitmaps.push_back({button.id, MajorityDownscale(button.doubled, width, height)});
      bitmaps.push_back({pressed_id, MajorityDownscale(pressed, width, height)});
    }
  }
  return scales;
}

// The icons at each size, then the buttons at each scale.
std::vector<std::vector<Labelled>> GalleryGroups(const fs::path& art) {
  const auto rgba = [](const Picture& p) { return AreaAverage(p, p.width, p.height); };
  std::vector<std::vector<Labelled>> groups(1 + std::size(DisplayScales));
  for (const Drawing& icon : LoadIcons(art)) {
    groups[0].push_back({icon.id, rgba(icon.normal)});
    std::vector<RgbaImage> larger = LargerIcons(icon);
    for (std::size_t i = 0; i < larger.size(); ++i)
      groups[i + 1].push_back({icon.id, std::move(larger[i])});
  }
  for (const ButtonScale& scale : LoadButtons(art)) {
    std::vector<Labelled>& group = groups.emplace_back();
    for (const Bitmap& bitmap : scale.bitmaps) group.push_back({bitmap.id, rgba(bitmap.picture)});
  }
  return groups;
}

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(path.string() + ": cannot read");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  if (path.has_parent_path()) fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (!out.flush()) throw std::runtime_error(path.string() + ": cannot write");
}

void WriteResources(const fs::path& art, const fs::path& out) {
  const std::vector<Drawing> icons = LoadIcons(art);
  const std::vector<ButtonScale> buttons = LoadButtons(art);
  for (const Drawing& icon : icons)
    Write(out / "icons" / (icon.id + ".ico"), IconFile(icon.normal, LargerIcons(icon)));
  for (const ButtonScale& scale : buttons)
    for (const Bitmap& bitmap : scale.bitmaps)
      Write(out / "bitmaps" / (bitmap.id + scale.suffix + ".bmp"),
            BitmapFile(bitmap.picture, scale.compression));
}
}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() == 3 && args[0] == "--gallery") {
      Write(args[2], PngFile(Gallery(GalleryGroups(args[1]))));
    } else if (args.size() == 3 && args[0] == "--same") {
      return SamePictures(ReadFile(args[1]), ReadFile(args[2])) ? 0 : 1;
    } else if (args.size() == 2 && args[0][0] != '-') {
      WriteResources(args[0], args[1]);
    } else {
      std::cerr << kUsage;
      return 2;
    }
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  return 0;
}
