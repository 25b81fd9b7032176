#pragma once
#include <istream>
#include <string>

#include "Picture.h"

// Reads a text pixel map: exactly `height` lines of exactly `width` legend
// characters each. Anything else throws std::runtime_error with a message
// that starts "name:line:" so the person editing the map finds the spot.
Picture ReadPixelMap(std::istream& in, const std::string& name, int width, int height,
                     bool allow_transparent);
