// Rectangles: nested rectangle outlines in colour 1, every n pixels inwards,
// then every pixel the outlines made non-black tinted towards colour 1 by
// strength / 10. The menu clears
// the target to black first, so the result is the picture from the planes,
// tinted on the outlines.
#pragma once
#include <cstdint>

#include "core/call_context.h"
#include "core/module1.h"
#include "core/picture_surface.h"

namespace pixmora {

void Rectangles(Module1& m, const CallContext& call, PictureSurface& target, int16_t spacing,
                float strength, int16_t red, int16_t green, int16_t blue);

}  // namespace pixmora
