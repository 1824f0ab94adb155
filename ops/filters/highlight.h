// Highlight: every pixel pushed away from its upper-left neighbour, which has
// already been treated, so differences grow along the diagonals.
#pragma once

#include "core/call_context.h"
#include "core/module1.h"
#include "core/picture_surface.h"

namespace pixmora {

void Highlight(Module1& m, const CallContext& call, PictureSurface& target);

}  // namespace pixmora
