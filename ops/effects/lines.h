// Lines and squares: the target's own pixels on every n-th row and/or column
// blended towards colour 1 by strength / 10.
#pragma once
#include <cstdint>

#include "core/call_context.h"
#include "core/module1.h"
#include "core/picture_surface.h"

namespace pixmora {

// Rows 0, n, 2n, ...; the planes are not touched.
void HorizontalLines(Module1& m, const CallContext& call, PictureSurface& target, int16_t spacing,
                     float strength, int16_t red, int16_t green, int16_t blue);
// Columns 0, n, 2n, ...; the planes are not touched.
void VerticalLines(Module1& m, const CallContext& call, PictureSurface& target, int16_t spacing,
                   float strength, int16_t red, int16_t green, int16_t blue);
// Rows then columns, blended through the planes; the crossings are blended twice.
void AddSquares(Module1& m, const CallContext& call, PictureSurface& target, int16_t spacing,
                float strength, int16_t red, int16_t green, int16_t blue);

}  // namespace pixmora
