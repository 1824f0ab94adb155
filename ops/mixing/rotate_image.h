// RotateImage (Module2): a rotated copy of one surface drawn into another.
#pragma once

#include "core/picture_surface.h"

namespace pixmora {

// Draws source, turned by angle (radians; positive turns counterclockwise on
// screen), into destination around both centres. The square of offsets as wide
// as the destination's larger side is covered; a destination pixel whose
// source point lies outside the source keeps what it showed. Surfaces wider
// or higher than 32767 pixels are outside the 16-bit coordinates: nothing is
// drawn then. The pixels are the same for any number of threads.
void RotateImage(const PictureSurface& source, PictureSurface& destination, float angle,
                 int threads = 1);

}  // namespace pixmora
