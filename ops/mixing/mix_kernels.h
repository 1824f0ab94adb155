// The per-pixel statements of the Mix Image routines, for BlendRegion: each
// works on the plane values of one pixel (stored back at once), given the
// colour c read for it and that colour's channel split v, and answers whether
// the pixel write happens, with its colour.
#pragma once

#include "core/column_pass.h"
#include "ops/common/blend.h"

namespace pixmora {

// A whole column of cells and colours at once, where nothing can fail (see
// BlendColourBytes); false when it must go pixel by pixel.
template <bool kBlackKeeps>
bool BlendWholeColumn(const Weight& w, int32_t* R, int32_t* G, int32_t* B, const ColorRef* in,
                      ColorRef* out, int count) {
  if (!HoldsColourBytes(R, G, B, count) || !HoldsColours(in, count)) return false;
  BlendColourBytes<kBlackKeeps>(R, G, B, in, out, count, w);
  return true;
}

// The same from cells that would hold the bytes of start, left alone.
template <bool kBlackKeeps>
bool BlendFromColours(const Weight& w, const ColorRef* start, const ColorRef* in, ColorRef* out, int count) {
  if (!HoldsColours(in, count)) return false;
  BlendFromColourBytes<kBlackKeeps>(start, in, out, count, w);
  return true;
}

// Every plane moves towards the read colour.
struct TowardsColour {
  Weight w;
  bool operator()(int32_t& R, int32_t& G, int32_t& B, ColorRef, Channels v, ColorRef& out) const {
    BlendPlanes(R, G, B, w, v);
    return ComposeRGB(R, G, B, out);
  }
  bool Column(int32_t* R, int32_t* G, int32_t* B, const ColorRef* in, ColorRef* out,
              int count) const {
    return BlendWholeColumn<false>(w, R, G, B, in, out, count);
  }
  bool FromColours(const ColorRef* start, const ColorRef* in, ColorRef* out, int count) const {
    return BlendFromColours<false>(w, start, in, out, count);
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
  bool Column(int32_t* R, int32_t* G, int32_t* B, const ColorRef* in, ColorRef* out,
              int count) const {
    return BlendWholeColumn<true>(w, R, G, B, in, out, count);
  }
  bool FromColours(const ColorRef* start, const ColorRef* in, ColorRef* out, int count) const {
    return BlendFromColours<true>(w, start, in, out, count);
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
