// The relief filters: every pixel against its lower-right neighbour, the
// difference shifted to mid-grey and folded by its absolute value.
#pragma once
#include <cstdint>

#include "core/call_context.h"
#include "core/module1.h"
#include "core/picture_surface.h"

namespace pixmora {

void Relief(Module1& m, const CallContext& call, PictureSurface& target);
// The relief only for pixels whose own red (green, blue) is below the
// threshold; every other pixel keeps its colour.
void ReliefRed(Module1& m, const CallContext& call, PictureSurface& target, int16_t threshold);
void ReliefGreen(Module1& m, const CallContext& call, PictureSurface& target, int16_t threshold);
void ReliefBlue(Module1& m, const CallContext& call, PictureSurface& target, int16_t threshold);

}  // namespace pixmora
