#include "ops/effects/rectangles.h"

#include "core/operation_frame.h"
#include "ops/effects/loop_end.h"
#include "ops/effects/tint_pass.h"

namespace pixmora {

namespace {

// Outlines from (s, s) to (W - s, H - s) for s = n, 2n, ... while the
// counter stays within half the width and the rectangle within half of both
// sides. The surface's Line in box form draws the outline through both
// corners. A colour that cannot be composed abandons every Line statement;
// a spacing below 1 draws nothing (the menu always passes 20).
void DrawOutlines(PictureSurface& target, int16_t n, int16_t red, int16_t green, int16_t blue) {
  const double halfW = target.Width() / 2.0, halfH = target.Height() / 2.0;
  int16_t last;
  if (n < 1 || !ToInt16(halfW - 1, last)) return;
  ColorRef colour;
  const bool drawable = ComposeRGB(int32_t{red}, int32_t{green}, int32_t{blue}, colour);
  int16_t s = n;
  for (int x = 0; x <= last; x += n) {
    if (x > halfW - n || x > halfH - n) break;
    if (drawable)
      target.Line(s, s, target.Width() - s, target.Height() - s, colour, LineStyle::Box);
    ToInt16(int64_t{s} + n, s);  // an overflowing sum is abandoned
  }
}

}  // namespace

void Rectangles(Module1& m, const CallContext& call, PictureSurface& target, int16_t spacing,
                float strength, int16_t red, int16_t green, int16_t blue) {
  OperationFrame frame(call, 0, OperationFrame::Progress::Untouched);
  const Tint tint(Tenth(strength), {red, green, blue});
  DrawOutlines(target, spacing, red, green, blue);
  // The outlines are the only pixels that are not black.
  const auto last = TintPlanesPass(
      m, call, target,
      [&tint](ColorRef c, Tint& t) {
        t = tint;
        return c != 0;
      },
      tint.KeepsBytes());
  if (last) m.PixelColour = static_cast<int32_t>(*last);
  m.LoopX = LoopEnd(target.Width() - 1, 1);
  m.LoopY = LoopEnd(target.Height() - 1, 1);
}

}  // namespace pixmora
