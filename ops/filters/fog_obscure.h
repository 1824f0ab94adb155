// Box blurs worked in place on the planes, column by column: each pixel
// becomes the mean of the square around it, so it averages neighbours already
// softened (to its left and above it) with untreated ones, and the blur trails
// towards the lower right.
#pragma once

#include "core/call_context.h"
#include "core/module1.h"
#include "core/picture_surface.h"

namespace pixmora {

void Fog(Module1& m, const CallContext& call, PictureSurface& target);      // 3 x 3
void Obscure(Module1& m, const CallContext& call, PictureSurface& target);  // 5 x 5

}  // namespace pixmora
