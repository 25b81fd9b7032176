#pragma once
#include <array>
#include <cstdint>
#include <optional>

// The standard 16-colour VGA palette in the order Windows numbers it, so that
// an index means the same colour in every icon and bitmap we write.
struct Rgb {
  std::uint8_t r, g, b;
};

enum Colour : int {
  kBlack,
  kDarkRed,
  kDarkGreen,
  kOlive,
  kNavy,
  kPurple,
  kTeal,
  kSilver,
  kGray,
  kRed,
  kLime,
  kYellow,
  kBlue,
  kMagenta,
  kCyan,
  kWhite
};

// A pixel no colour is drawn in: icons only.
constexpr int kTransparent = -1;

extern const std::array<Rgb, 16> kVgaPalette;

// The pixel maps' legend: the dark eight in lower case, their bright
// counterparts in upper case, '.' for transparent. Nullopt for any other.
std::optional<int> PixelOf(char c);
char LegendOf(int pixel);
