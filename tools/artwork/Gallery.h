#pragma once
#include <string>
#include <vector>

#include "Picture.h"
#include "Png.h"

struct Labelled {
  std::string id;  // digits only: the label font has nothing else
  Picture picture;
};

// Every picture enlarged 4x with its id beneath, icons first on a
// checkerboard that shows their transparency, then the buttons, on the
// teal of a classic desktop.
RgbImage Gallery(const std::vector<Labelled>& icons, const std::vector<Labelled>& buttons);
