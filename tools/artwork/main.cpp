// Turns the text pixel maps in resources/art/ into the icons and button
// bitmaps the resource script includes, or into a gallery for judging them.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "Button.h"
#include "DibFiles.h"
#include "Gallery.h"
#include "PixelMap.h"
#include "Png.h"

namespace {
namespace fs = std::filesystem;

constexpr int kIconSize = 32;
constexpr int kButtonWidth = 62;
constexpr int kButtonHeight = 38;
// A pressed image's resource id is its normal image's plus this.
constexpr int kPressedOffset = 2000;

const char kUsage[] =
    "usage: artwork ART_DIR OUT_DIR\n"
    "         writes OUT_DIR/icons/<id>.ico and OUT_DIR/bitmaps/<id>.bmp\n"
    "       artwork --gallery ART_DIR PNG_FILE\n"
    "         draws every picture enlarged and labelled into PNG_FILE\n";

// The pixel maps of one folder, in order of resource id, which is each
// file's name.
std::vector<Labelled> Load(const fs::path& dir, int width, int height, bool icons) {
  std::vector<std::pair<long, fs::path>> maps;
  for (const auto& entry : fs::directory_iterator(dir)) {
    const fs::path& path = entry.path();
    if (path.extension() != ".txt") continue;
    const std::string stem = path.stem().string();
    if (stem.empty() || stem.size() > 5 ||
        stem.find_first_not_of("0123456789") != std::string::npos)
      throw std::runtime_error(path.string() + ": the name must be a resource id, a number");
    maps.emplace_back(std::stol(stem), path);
  }
  std::sort(maps.begin(), maps.end());

  std::vector<Labelled> pictures;
  for (const auto& [id, path] : maps) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error(path.string() + ": cannot read");
    Picture picture = ReadPixelMap(in, path.string(), width, height, icons);
    if (!icons) CheckRaisedBevel(picture, path.string());
    pictures.push_back({std::to_string(id), std::move(picture)});
  }
  return pictures;
}

std::vector<Labelled> LoadIcons(const fs::path& art) {
  return Load(art / "icons", kIconSize, kIconSize, true);
}

// Each button's normal image followed by its pressed one.
std::vector<Labelled> LoadButtons(const fs::path& art) {
  std::vector<Labelled> images;
  for (Labelled& normal : Load(art / "buttons", kButtonWidth, kButtonHeight, false)) {
    Labelled pressed = {std::to_string(std::stol(normal.id) + kPressedOffset),
                        Pressed(normal.picture)};
    images.push_back(std::move(normal));
    images.push_back(std::move(pressed));
  }
  return images;
}

void Write(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  if (path.has_parent_path()) fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (!out.flush()) throw std::runtime_error(path.string() + ": cannot write");
}

void WriteResources(const fs::path& art, const fs::path& out) {
  const std::vector<Labelled> icons = LoadIcons(art);
  const std::vector<Labelled> buttons = LoadButtons(art);
  for (const Labelled& icon : icons)
    Write(out / "icons" / (icon.id + ".ico"), IconFile(icon.picture));
  for (const Labelled& button : buttons)
    Write(out / "bitmaps" / (button.id + ".bmp"), BitmapFile(button.picture));
}
}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() == 3 && args[0] == "--gallery") {
      Write(args[2], PngFile(Gallery(LoadIcons(args[1]), LoadButtons(args[1]))));
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
