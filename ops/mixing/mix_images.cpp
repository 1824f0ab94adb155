// MixImages and MixPattern: a straight blend of image A with another picture,
// read from that picture (image B) or from the pattern tiled over the target.
#include "ops/mixing/blend_region.h"
#include "ops/mixing/mix_kernels.h"
#include "ops/mixing/mixing.h"

namespace pixmora {

namespace {

// Copies of the pattern at its own size side by side, one more across and
// down than the rounded count of whole tiles, so that the target is covered.
// A pattern without size leaves the counts at 0 (the division fails).
// Tiles that cover the whole target replace every pixel, so the target's
// own pixels are not copied first.
void TilePattern(PictureSurface& target, const PictureSurface& pattern) {
  const float wp = static_cast<float>(pattern.Width()), hp = static_cast<float>(pattern.Height());
  int16_t nx = 0, ny = 0;
  if (wp != 0) ToInt16(static_cast<float>(target.Width()) / wp, nx);
  if (hp != 0) ToInt16(static_cast<float>(target.Height()) / hp, ny);
  const Picture tile = pattern.GetPicture();
  if (tile && tile->Count() > 0 && (nx + 1.0) * wp >= target.Width() && (ny + 1.0) * hp >= target.Height())
    target.DetachForOverwrite();
  for (int X = 0; X <= nx; ++X)
    for (int Y = 0; Y <= ny; ++Y)
      target.PaintPicture(tile, static_cast<float>(X) * wp, static_cast<float>(Y) * hp, wp, hp);
}

}  // namespace

void MixImages(Module1& m, const CallContext& call, PictureSurface& target,
               const PictureSurface& other, float strength) {
  TowardsColour kernel{Weight(Tenth(strength))};
  OperationFrame frame(call, other.Width() - 1.0);
  BlendRegion(m, call, target, other, 0, other.Width() - 1, 0, other.Height() - 1,
              [&kernel](int) { return kernel; }, [&frame](int x) { frame.Step(x); });
}

void MixPattern(Module1& m, const CallContext& call, PictureSurface& target,
                const PictureSurface& pattern, float strength) {
  TowardsColour kernel{Weight(Tenth(strength))};
  OperationFrame frame(call, target.Width() - 1.0);
  TilePattern(target, pattern);
  BlendOwnPixels(m, call, target, kernel, frame);
}

}  // namespace pixmora
