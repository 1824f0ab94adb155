// The Mix Image routines: image A, held in the planes, blended with image B,
// the pattern or the shape picture, and written into the target.
//
// strength and size are the controls' values 1..10; the routines work with
// their tenths, the weights 0.1 .. 1.0 in single precision.
#pragma once

#include "core/call_context.h"
#include "core/module1.h"
#include "core/picture_surface.h"

namespace pixmora {

// Over image B's own size: each pixel moves a strength-tenth of the way to image B.
void MixImages(Module1& m, const CallContext& call, PictureSurface& target,
               const PictureSurface& other, float strength);
// The pattern tiled over the target, then mixed like MixImages.
void MixPattern(Module1& m, const CallContext& call, PictureSurface& target,
                const PictureSurface& pattern, float strength);
// The shape, scaled by size and centred, mixed in; its black pixels are transparent.
void InsertShape(Module1& m, const CallContext& call, PictureSurface& target,
                 const PictureSurface& shape, float strength, float size);
// Image A darkened by (1 - strength) under the shape's non-black pixels,
// over the shape's rectangle including its right column and bottom row.
void OutlineShape(Module1& m, const CallContext& call, PictureSurface& target,
                  const PictureSurface& shape, float strength, float size);
// Image B stretched over the target and mixed in with a weight growing as the
// square root of x / W, from pure image A at column 0.
void SlideImage(Module1& m, const CallContext& call, PictureSurface& target,
                const PictureSurface& other);

}  // namespace pixmora
