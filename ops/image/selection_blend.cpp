#include "ops/image/selection_blend.h"

#include <algorithm>

#include "core/column_runs.h"
#include "ops/common/blend.h"

namespace pixmora {

namespace {

ColorRef Mixed(ColorRef a, ColorRef r, float w) {
  if (w == 0.0f) return a;
  if (w == 1.0f) return r;
  const Weight weight(w);
  const Channels ca = ChannelBytes(a), cr = ChannelBytes(r);
  const auto mix = [&weight](int pa, int pr) {
    return static_cast<uint32_t>(RoundHalfEven(weight.keep * pa + weight.take * pr));
  };
  return PackRGB(mix(ca.r, cr.r), mix(ca.g, cr.g), mix(ca.b, cr.b));
}

}  // namespace

void KeepOutsideSelection(const CallContext& call, const PixelBuffer& imageA, PixelBuffer& result,
                          const Selection& selection) {
  const Box& box = selection.box;
  const int height = result.Height();
  ForColumnRuns(call.threads, result.Width(), [&](int first, int end, bool) {
    for (int x = first; x < end; ++x) {
      call.StopIfCancelled();
      const ColorRef* a = imageA.Column(x);
      ColorRef* r = result.Column(x);
      // Beyond the box every weight is 0 (inverted: 1, the result stays).
      const bool crossed = x >= box.x && x < box.x + box.width;
      const int y0 = crossed ? std::clamp(box.y, 0, height) : height;
      const int y1 = crossed ? std::clamp(box.y + box.height, y0, height) : height;
      if (!selection.inverted) {
        std::copy(a, a + y0, r);
        std::copy(a + y1, a + height, r + y1);
      }
      for (int y = y0; y < y1; ++y) r[y] = Mixed(a[y], r[y], SelectionWeight(selection, x, y));
    }
  });
}

}  // namespace pixmora
