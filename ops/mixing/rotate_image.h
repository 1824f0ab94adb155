// RotateImage (Module2): a rotated copy of one surface drawn into another.
#pragma once

#include "core/call_context.h"
#include "core/picture_surface.h"

namespace pixmora {

// Draws source, turned by angle (radians; positive turns counterclockwise on
// screen), into destination around both centres. The square of offsets as wide
// as the destination's larger side is covered; a destination pixel whose
// source point lies outside the source keeps what it showed. A source with
// transparency turns its alpha alike: the destination takes the turned alpha,
// transparent where no source point reaches. Surfaces wider
// or higher than 32767 pixels are outside the 16-bit coordinates: nothing is
// drawn then. The pixels are the same for any number of threads; a cancelled
// call stops between two rows of offsets.
void RotateImage(const CallContext& call, const PictureSurface& source, PictureSurface& destination,
                 float angle);

}  // namespace pixmora
