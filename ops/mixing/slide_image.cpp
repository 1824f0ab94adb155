// SlideImage: image B stretched over the target, mixed in column by column
// with the weight sqrt(t), t growing by 1 / W per column in single precision.
#include <algorithm>
#include <cmath>
#include <vector>

#include "ops/mixing/blend_region.h"
#include "ops/mixing/mix_kernels.h"
#include "ops/mixing/mixing.h"

namespace pixmora {

void SlideImage(Module1& m, const CallContext& call, PictureSurface& target,
                const PictureSurface& other) {
  const int w = target.Width(), h = target.Height();
  const float step = w != 0 ? 1.0f / static_cast<float>(w) : 0.0f;
  // The weight of each column, as the running t gives it.
  std::vector<float> t(static_cast<size_t>(std::max(w, 0)));
  for (int x = 1; x < w; ++x) t[x] = t[x - 1] + step;  // 0.49999931 at x = 253 of 506
  OperationFrame frame(call, w - 1.0);
  target.PaintPicture(other.GetPicture(), 0, 0, w, h);
  BlendRegion(
      m, call, target, target, 0, w - 1, 0, h - 1,
      [&t](int x) { return TowardsColour{Weight(std::sqrt(static_cast<double>(t[x])))}; },
      [&frame](int x) { frame.Step(x); });
}

}  // namespace pixmora
