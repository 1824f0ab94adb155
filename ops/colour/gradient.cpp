#include "ops/colour/gradient.h"

#include <algorithm>

#include "core/operation_frame.h"
#include "ops/effects/tint_pass.h"

namespace pixmora {

namespace {

// One line per row in colour 1, which then moves one single-precision step
// towards colour 2. Our Line paints its end pixel, so the line covers the
// whole row, last column included. A colour that cannot be composed
// abandons that row's Line statement.
void DrawRows(PictureSurface& target, int16_t lastRow, float& r1, float& g1, float& b1,
              float stepR, float stepG, float stepB) {
  const int lastColumn = target.Width() - 1;
  for (int y = 0; y <= lastRow; ++y) {
    ColorRef colour;
    if (ComposeRGB(double{r1}, double{g1}, double{b1}, colour))
      target.Line(0, y, lastColumn, y, colour, LineStyle::Line);
    r1 += stepR, g1 += stepG, b1 += stepB;
  }
}

}  // namespace

void Gradient(Module1& m, PictureSurface& target, float& w, float& r1, float& g1, float& b1,
              int16_t r2, int16_t g2, int16_t b2) {
  OperationFrame frame(m, target.Width() - 1.0);
  const float t = Tenth(w);  // the opacity, written back into w
  int16_t h = 0;
  ToInt16(int64_t{target.Height()} - 1, h);
  // Single-precision steps; for a one-pixel-high target the divisions by
  // zero fail and the steps stay 0.
  float stepR = 0, stepG = 0, stepB = 0;
  if (h != 0) {
    const float rows = h;
    stepR = (r2 - r1) / rows, stepG = (g2 - g1) / rows, stepB = (b2 - b1) / rows;
  }
  DrawRows(target, h, r1, g1, b1, stepR, stepG, stepB);
  // Each pixel: the drawn colour read back into colour 1's variables, then
  // each plane moved towards it by t, the blend rule of the effects.
  const auto last = TintPlanesPass(m.planes, target.MutableImage(), frame,
                                   [t](ColorRef drawn, Tint& tint) {
                                     tint = Tint(t, SplitColour(drawn));
                                     return true;
                                   });
  if (last) {
    m.PixelColour = static_cast<int32_t>(*last);
    const Channels d = SplitColour(*last);
    r1 = static_cast<float>(d.r), g1 = static_cast<float>(d.g), b1 = static_cast<float>(d.b);
  }
  m.LoopX = static_cast<int16_t>(std::min(target.Width(), 32767));
  m.LoopY = static_cast<int16_t>(std::min(target.Height(), 32767));
}

}  // namespace pixmora
