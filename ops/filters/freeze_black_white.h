// Freeze, and the reduction to pure black and white.
#pragma once
#include <cstdint>

#include "core/call_context.h"
#include "core/module1.h"
#include "core/picture_surface.h"
#include "core/pixel_map.h"

namespace pixmora {

// Every channel becomes the scaled magnitude of its difference from the other
// two: red, green, blue in turn, each from the new values before it.
void Freeze(Module1& m, const CallContext& call, PictureSurface& target, float factor);
// Black where every channel is below the threshold, white elsewhere. The
// planes are left as they are.
void BlackAndWhite(Module1& m, const CallContext& call, PictureSurface& target, int16_t threshold);
// Freeze and BlackAndWhite as pixel maps, for passes over bands of rows.
PixelMap FreezeMap(float factor);
PixelMap BlackAndWhiteMap(int16_t threshold);

}  // namespace pixmora
