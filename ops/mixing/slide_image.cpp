// SlideImage: image B stretched over the target, mixed in column by column
// with the weight sqrt(t), t growing by 1 / W per column in single precision.
#include <cmath>

#include "ops/mixing/blend_region.h"
#include "ops/mixing/mix_kernels.h"
#include "ops/mixing/mixing.h"

namespace pixmora {

void SlideImage(Module1& m, PictureSurface& target, const PictureSurface& other) {
  const int w = target.Width(), h = target.Height();
  const float step = w != 0 ? 1.0f / static_cast<float>(w) : 0.0f;
  float t = 0;
  TowardsColour kernel{Weight(std::sqrt(static_cast<double>(t)))};
  OperationFrame frame(m, w - 1.0);
  target.PaintPicture(other.GetPicture(), 0, 0, w, h);
  BlendRegion(m, target, target, 0, w - 1, 0, h - 1, kernel, [&](int x) {
    t = t + step;  // accumulates in single precision: 0.49999931 at x = 253 of 506
    kernel.w = Weight(std::sqrt(static_cast<double>(t)));
    frame.Step(x);
  });
}

}  // namespace pixmora
