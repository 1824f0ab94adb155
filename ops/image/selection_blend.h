// A command's result kept only where a selection lets it: image A elsewhere,
// and across the feather a blend of the two, as the design's blends do.
#pragma once

#include "core/call_context.h"
#include "core/picture.h"
#include "ops/image/selection.h"

namespace pixmora {

// Each pixel of result, of imageA's size, becomes imageA's pixel where the
// selection's weight w is 0, stays where it is 1, and in between takes each
// channel RoundHalfEven((1 - w) * a + w * r) in double precision; its alpha
// (255 where a picture is opaque) follows the same rule. The columns
// are shared among the call's threads; a cancelled call stops between
// columns.
void KeepOutsideSelection(const CallContext& call, const PixelBuffer& imageA, PixelBuffer& result,
                          const Selection& selection);

}  // namespace pixmora
