// Drawing one picture into another, scaled. The rectangle is first snapped to
// whole pixels, as a drawing device does (position and size each rounded half
// to even). At the picture's own size this is an exact copy; otherwise each
// destination pixel is a triangle-filtered (bilinear) mix of the source,
// widened when shrinking so that every source pixel contributes (no aliasing
// in fitted previews or reduced shapes). Flat areas keep their exact colour.
#pragma once
#include "core/picture.h"

namespace pixmora {

// Pixels x0 .. x1 - 1 of rows y0 .. y1 - 1 (none when x0 >= x1 or y0 >= y1).
struct PixelRect {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// Draws src into the rectangle (x, y, w, h) of dst, clipped to dst; answers
// the pixels it wrote.
PixelRect DrawScaled(const PixelBuffer& src, PixelBuffer& dst, double x, double y, double w, double h);

}  // namespace pixmora
