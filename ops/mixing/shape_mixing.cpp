// InsertShape and OutlineShape: the shape picture painted onto the target,
// scaled by size and centred, then read back from the target pixel by pixel.
#include "ops/mixing/blend_region.h"
#include "ops/mixing/mix_kernels.h"
#include "ops/mixing/mixing.h"

namespace pixmora {

namespace {

struct ShapeRectangle {
  double left, top, width, height;
};

// The shape sigma times its size, centred on the target (double precision).
ShapeRectangle ShapePlace(const PictureSurface& target, const PictureSurface& shape, float sigma) {
  const double width = sigma * static_cast<double>(shape.Width());
  const double height = sigma * static_cast<double>(shape.Height());
  return {(target.Width() - width) / 2, (target.Height() - height) / 2, width, height};
}

PixelRect PaintShape(PictureSurface& target, const PictureSurface& shape, const ShapeRectangle& r) {
  return target.PaintPicture(shape.GetPicture(), r.left, r.top, r.width, r.height);
}

}  // namespace

void InsertShape(Module1& m, const CallContext& call, PictureSurface& target,
                 const PictureSurface& shape, float strength, float size) {
  TowardsShapeColour kernel{Weight(Tenth(strength))};
  const float sigma = Tenth(size);
  OperationFrame frame(call, target.Width() - 1.0);
  // The shape covers part of the target at most: the rest stays image A's,
  // which the blend takes in column by column instead of a copy beforehand.
  Picture imageA = target.DetachForOverwrite();
  const PixelRect painted = PaintShape(target, shape, ShapePlace(target, shape, sigma));
  BlendOwnPixels(m, call, target, kernel, frame, PictureUnder(std::move(imageA), painted));
}

void OutlineShape(Module1& m, const CallContext& call, PictureSurface& target,
                  const PictureSurface& shape, float strength, float size) {
  DarkenUnderShape kernel{Weight(Tenth(strength))};
  const float sigma = Tenth(size);
  OperationFrame frame(call, 0, OperationFrame::Progress::ResetOnly);
  const ShapeRectangle r = ShapePlace(target, shape, sigma);
  PaintShape(target, shape, r);
  // Both bounds inclusive; bounds beyond 16 bits (a shape far larger than
  // the target) fail, and the loops do not run.
  int16_t x0, x1, y0, y1;
  if (!ToInt16(r.left, x0) || !ToInt16(r.left + r.width, x1) || !ToInt16(r.top, y0) ||
      !ToInt16(r.top + r.height, y1))
    return;
  BlendRegion(m, call, target, target, x0, x1, y0, y1, [&kernel](int) { return kernel; },
              [](int) {});
}

}  // namespace pixmora
