// The pictures the program ships, painted by code.
#pragma once
#include "tools/default_data/painting.h"

namespace pixmora::data {

// A photograph-like landscape: sky, sun, hills, a lake and trees.
Canvas PaintLandscape(int width, int height, uint32_t seed);
// The start pattern: a small tile of interlaced coloured waves (171 x 128).
Canvas PaintPattern();
// The start shape: a tree on black, black being transparent for shapes (506 x 506).
Canvas PaintTree(int size, uint32_t seed);
// A round-crowned tree standing at baseX, baseY, painted over p.
void PaintTreeAt(PixelBuffer& p, double baseX, double baseY, double height, uint32_t seed);

}  // namespace pixmora::data
