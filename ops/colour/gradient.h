// Gradient: a vertical two-colour gradient, colour 1 on the top row and
// colour 2 on the bottom row, blended over the picture with opacity w / 10.
#pragma once
#include <cstdint>

#include "core/call_context.h"
#include "core/module1.h"
#include "core/picture_surface.h"

namespace pixmora {

// w is the strength 1..10; r1, g1, b1 are colour 1, which the routine's own
// copies move towards colour 2 row by row.
void Gradient(Module1& m, const CallContext& call, PictureSurface& target, float w, float r1,
              float g1, float b1, int16_t r2, int16_t g2, int16_t b2);

}  // namespace pixmora
