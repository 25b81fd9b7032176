#pragma once
#include <string>

#include "Picture.h"

// Classic gray 3-D bitmap buttons. The pixel map holds the raised (normal)
// image; the pressed one is derived from it so the two never drift apart.

// Throws std::runtime_error naming the map, line and column of the first
// pixel of the two-pixel border that is not the raised bevel.
void CheckRaisedBevel(const Picture& normal, const std::string& name);

// The bevel turned inside out and the face moved one pixel down and right.
Picture Pressed(const Picture& normal);
