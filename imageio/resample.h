// Resampling a picture to another size, without a file.
#pragma once

#include "core/failure.h"
#include "core/picture.h"

namespace pixmora {

// The filters a picture can be resampled with, from the blockiest to the
// sharpest.
enum class ResampleFilter { Box, Bilinear, BSpline, Bicubic, CatmullRom, Lanczos3 };

// The picture at width x height: the very pixels a 24-bit BMP written at that
// size with the same filter holds, and its transparency resampled alike (see
// ResampledAlpha). Fails for an empty picture or when memory runs out.
Result<Picture> ResamplePicture(const Picture& picture, int width, int height, ResampleFilter filter);

// A picture's transparency (null: opaque) at width x height, each pixel's
// alpha filtered as one colour channel is. Fails when memory runs out.
Result<Alpha> ResampledAlpha(const Alpha& alpha, int width, int height, ResampleFilter filter);

}  // namespace pixmora
