// A blend towards one colour with the blend rule of the Mix Image commands,
// as the lines, squares and rectangles use it: the weight alpha
// held in single precision (0.3 is 0.300000011920929), the arithmetic in
// double precision.
#pragma once

#include "ops/common/blend.h"

namespace pixmora {

struct Tint {
  Tint() : weight(0) {}
  Tint(float alpha, Channels towards) : weight(alpha), colour(towards) {}

  Weight weight;
  Channels colour{};

  // The lines: the three blends rounded to 16 bits by the composition.
  bool Compose(Channels v, ColorRef& out) const {
    return ComposeRGB(Blend(v.r, colour.r), Blend(v.g, colour.g), Blend(v.b, colour.b), out);
  }

  // Whether every blend of a channel byte (0..255) is one too: a weight
  // within 0..1 towards a colour of bytes.
  bool KeepsBytes() const {
    const auto byte = [](int32_t v) { return v >= 0 && v <= 255; };
    return weight.take >= 0 && weight.take <= 1 && byte(colour.r) && byte(colour.g) && byte(colour.b);
  }

  // The squares and rectangles: each plane value blended, rounded
  // to 32 bits and stored (a failing conversion leaves that plane value).
  void BlendPlanes(int32_t& R, int32_t& G, int32_t& B) const {
    pixmora::BlendPlanes(R, G, B, weight, colour);
  }

 private:
  double Blend(int32_t v, int32_t k) const { return weight.keep * v + weight.take * k; }
};

}  // namespace pixmora
