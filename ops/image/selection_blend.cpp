#include "ops/image/selection_blend.h"

#include <algorithm>
#include <memory>

#include "core/column_runs.h"
#include "ops/common/blend.h"

namespace pixmora {

namespace {

uint32_t MixedChannel(int a, int r, float w) {
  const Weight weight(w);
  return static_cast<uint32_t>(RoundHalfEven(weight.keep * a + weight.take * r));
}

ColorRef Mixed(ColorRef a, ColorRef r, float w) {
  if (w == 0.0f) return a;
  if (w == 1.0f) return r;
  const Channels ca = ChannelBytes(a), cr = ChannelBytes(r);
  return PackRGB(MixedChannel(ca.r, cr.r, w), MixedChannel(ca.g, cr.g, w), MixedChannel(ca.b, cr.b, w));
}

uint8_t MixedAlpha(uint8_t a, uint8_t r, float w) { return static_cast<uint8_t>(MixedChannel(a, r, w)); }

// Each column of result (colours or alpha, of image A's size) takes image
// A's values outside the selection and mix(a, r, weight) inside it.
template <class Plane, class Mix>
void KeepOutside(const CallContext& call, const Plane& imageA, Plane& result, const Selection& selection,
                 Mix mix) {
  const Box& box = selection.box;
  const int height = result.Height();
  ForColumnRuns(call.threads, result.Width(), [&](int first, int end, bool) {
    for (int x = first; x < end; ++x) {
      call.StopIfCancelled();
      const auto* a = imageA.Column(x);
      auto* r = result.Column(x);
      // Beyond the box every weight is 0 (inverted: 1, the result stays).
      const bool crossed = x >= box.x && x < box.x + box.width;
      const int y0 = crossed ? std::clamp(box.y, 0, height) : height;
      const int y1 = crossed ? std::clamp(box.y + box.height, y0, height) : height;
      if (!selection.inverted) {
        std::copy(a, a + y0, r);
        std::copy(a + y1, a + height, r + y1);
      }
      for (int y = y0; y < y1; ++y) r[y] = mix(a[y], r[y], SelectionWeight(selection, x, y));
    }
  });
}

// A picture's alpha as a plane of its own, opaque ones too.
std::shared_ptr<AlphaPlane> AlphaCopy(const PixelBuffer& picture) {
  auto plane = std::make_shared<AlphaPlane>(picture.Width(), picture.Height());
  for (int x = 0; x < picture.Width(); ++x)
    for (int y = 0; y < picture.Height(); ++y) plane->Set(x, y, picture.AlphaAt(x, y));
  return plane;
}

}  // namespace

void KeepOutsideSelection(const CallContext& call, const PixelBuffer& imageA, PixelBuffer& result,
                          const Selection& selection) {
  KeepOutside(call, imageA, result, selection, Mixed);
  // A result that took image A's transparency has it everywhere already.
  if (result.GetAlpha() == imageA.GetAlpha()) return;
  const std::shared_ptr<AlphaPlane> a = AlphaCopy(imageA), kept = AlphaCopy(result);
  KeepOutside(call, *a, *kept, selection, MixedAlpha);
  result.SetAlpha(KeptAlpha(kept));
}

}  // namespace pixmora
