// One Filters Special command on a one-pixel picture: the pixel written and
// the plane values the routine left.
#pragma once
#include "tests/support/test_pictures.h"

namespace pixmora::test {

struct SpecialOutcome {
  ColorRef pixel;
  int32_t r, g, b;  // PlaneR, PlaneG, PlaneB at (0, 0)
};

inline SpecialOutcome SpecialCommand(int index, ColorRef pixel) {
  Session s(Flat(1, 1, pixel));
  mnuSFil_Click(s.ws, static_cast<int16_t>(index));
  ChannelPlanes& p = s.ws.m.planes;
  return {s.Result(0, 0), p.R(0, 0), p.G(0, 0), p.B(0, 0)};
}

inline ColorRef SpecialPixel(int index, ColorRef pixel) {
  return SpecialCommand(index, pixel).pixel;
}

}  // namespace pixmora::test
