// Drawing one picture into another, scaled. At its own size and a whole-pixel
// position this is an exact copy; otherwise each destination pixel is a
// triangle-filtered (bilinear) mix of the source, widened when shrinking so
// that every source pixel contributes (no aliasing in fitted previews).
#pragma once
#include "core/picture.h"

namespace pixmora {

// Draws src into the rectangle (x, y, w, h) of dst, clipped to dst.
void DrawScaled(const PixelBuffer& src, PixelBuffer& dst, double x, double y, double w, double h);

}  // namespace pixmora
