// The per-pixel statements of the Mix Image routines, for BlendRegion: each
// works on the plane values of one pixel (stored back at once), given the
// colour c read for it and that colour's channel split v, and answers whether
// the pixel write happens, with its colour.
#pragma once

#include "ops/mixing/blend.h"

namespace pixmora {

// Every plane moves towards the read colour.
struct TowardsColour {
  Weight w;
  bool operator()(int32_t& R, int32_t& G, int32_t& B, ColorRef, Channels v, ColorRef& out) const {
    BlendPlanes(R, G, B, w, v);
    return ComposeRGB(R, G, B, out);
  }
};

// Black reads leave the planes alone (black is transparent); the pixel is
// written from the planes in every case.
struct TowardsShapeColour {
  Weight w;
  bool operator()(int32_t& R, int32_t& G, int32_t& B, ColorRef c, Channels v, ColorRef& out) const {
    BlendPlanes(R, G, B, w, v, c != 0);
    return ComposeRGB(R, G, B, out);
  }
};

// Under a non-black read the planes move towards black.
struct DarkenUnderShape {
  Weight w;
  bool operator()(int32_t& R, int32_t& G, int32_t& B, ColorRef c, Channels, ColorRef& out) const {
    BlendPlanes(R, G, B, w, Channels{0, 0, 0}, c != 0);
    return ComposeRGB(R, G, B, out);
  }
};

}  // namespace pixmora
