// Flattening: a picture with transparency laid onto a flat colour, the
// opaque picture that BMP, JPEG and the textures can hold.
#pragma once
#include "core/picture.h"

namespace pixmora {

// Each channel c of a pixel of alpha a becomes RoundHalfEven((c * a + k *
// (255 - a)) / 255), k being back's; the result is opaque. An opaque picture
// is its own flattening.
Picture Flattened(const Picture& picture, ColorRef back);

}  // namespace pixmora
