#pragma once
#include "Picture.h"
#include "RgbaImage.h"

// Pictures drawn for 200 % made smaller for the scales in between. Each
// output pixel is a box over the source, and every source pixel counts by
// the exact area of it inside that box.

// Each output pixel's colour is the average of the opaque colours under it,
// and its alpha the share of its box they cover: an edge fades out instead
// of darkening towards the transparent pixels' black. Rounded half up. At
// the picture's own size this is the picture itself, in RGBA.
RgbaImage AreaAverage(const Picture& picture, int width, int height);

// Each output pixel takes the palette colour that covers most of its box,
// so the picture stays in its 16 colours with no blur. Between colours that
// cover as much, the colour of the source pixel nearest the box's centre
// wins, and between pixels as near, the first in reading order.
Picture MajorityDownscale(const Picture& picture, int width, int height);
