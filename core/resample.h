// Drawing one picture into another, scaled. The rectangle is first snapped to
// whole pixels, as a drawing device does (position and size each rounded half
// to even). At the picture's own size this is an exact copy; otherwise each
// destination pixel is a triangle-filtered (bilinear) mix of the source,
// widened when shrinking so that every source pixel contributes (no aliasing
// in fitted previews or reduced shapes). Flat areas keep their exact colour.
#pragma once
#include "core/picture.h"

namespace pixmora {

// Draws src into the rectangle (x, y, w, h) of dst, clipped to dst.
void DrawScaled(const PixelBuffer& src, PixelBuffer& dst, double x, double y, double w, double h);

}  // namespace pixmora
