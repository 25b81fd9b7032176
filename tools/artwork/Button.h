#pragma once
#include <string>

#include "Picture.h"

// Classic gray 3-D bitmap buttons. The pixel map holds the raised (normal)
// image; the pressed one is derived from it so the two never drift apart.
// The bevel is two rings, each `ring_width` pixels wide: 1 at 100 % display
// scale, 2 at 200 %.

// Throws std::runtime_error naming the map, line and column of the first
// pixel of the bevel that is not the raised bevel.
void CheckRaisedBevel(const Picture& normal, int ring_width, const std::string& name);

// The bevel turned inside out and the face moved one ring width down and right.
Picture Pressed(const Picture& normal, int ring_width);
