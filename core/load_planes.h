// SizePlanes and LoadPlanes: the planes follow image A's size, and each
// command fills them from image A's pixels.
#pragma once
#include <cstdint>

#include "core/call_context.h"
#include "core/module1.h"
#include "core/picture_surface.h"

namespace pixmora {

// Re-dimensions the planes to pic1's size; every element becomes 0.
void SizePlanes(Module1& m, const PictureSurface& pic1);

// Puts pic1's picture into pic4, then reads pic1's pixels of the inclusive
// rectangle (x0, y0)-(x1, y1) into the planes. Stores that fall outside the
// planes are abandoned one by one; reads outside pic1 give -1, -1, 255.
void LoadPlanes(Module1& m, const CallContext& call, const PictureSurface& pic1,
                PictureSurface& pic4, int16_t x0, int16_t y0, int16_t x1, int16_t y1);

}  // namespace pixmora
