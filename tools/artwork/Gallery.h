#pragma once
#include <string>
#include <vector>

#include "RgbaImage.h"

struct Labelled {
  std::string id;  // digits only: the label font has nothing else
  RgbaImage image;
};

// Every image enlarged 4x with its id beneath, on the teal of a classic
// desktop, with a checkerboard showing through where it is transparent.
// Each group, such as the icons at one size, starts a new row.
RgbaImage Gallery(const std::vector<std::vector<Labelled>>& groups);
