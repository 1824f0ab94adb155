// Resampling a picture to another size.
#pragma once

namespace pixmora {

// The filters a picture can be resampled with, from the blockiest to the
// sharpest.
enum class ResampleFilter { Box, Bilinear, BSpline, Bicubic, CatmullRom, Lanczos3 };

}  // namespace pixmora
