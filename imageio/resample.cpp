#include "imageio/resample.h"

#include <new>

#include "imageio/bitmap.h"
#include "imageio/freeimage_values.h"
#include "imageio/mfreeimage.h"
#include "imageio/picture_bitmap.h"

namespace pixmora {

namespace {

// The alpha as an 8-bit grey bitmap, which FreeImage resamples as grey.
Bitmap AlphaBitmap(const AlphaPlane& alpha) {
  Bitmap grey(FreeImage_Allocate(alpha.Width(), alpha.Height(), 8));
  if (!grey) return nullptr;
  for (int y = 0; y < alpha.Height(); ++y) {
    BYTE* row = FreeImage_GetScanLine(grey.get(), alpha.Height() - 1 - y);
    for (int x = 0; x < alpha.Width(); ++x) row[x] = alpha.At(x, y);
  }
  return grey;
}

Alpha AlphaOfGrey(FIBITMAP* grey) {
  const int w = static_cast<int>(FreeImage_GetWidth(grey)), h = static_cast<int>(FreeImage_GetHeight(grey));
  auto alpha = std::make_shared<AlphaPlane>(w, h);
  for (int y = 0; y < h; ++y) {
    const BYTE* row = FreeImage_GetScanLine(grey, h - 1 - y);
    for (int x = 0; x < w; ++x) alpha->Set(x, y, row[x]);
  }
  return KeptAlpha(std::move(alpha));
}

}  // namespace

Result<Picture> ResamplePicture(const Picture& picture, int width, int height, ResampleFilter filter) {
  if (!picture || picture->Count() == 0)
    return std::unexpected(Failure{.action = "resample", .why = "the picture is empty"});
  try {
    const PictureBitmap lent(*picture);
    const Bitmap resampled(FreeImage_Rescale(lent.Get(), width, height, FreeImageFilter(filter)));
    Result<Alpha> alpha = ResampledAlpha(picture->GetAlpha(), width, height, filter);
    if (!resampled || !alpha) return std::unexpected(NoMemory("resample", ""));
    Result<Picture> colour = ImageToPicture(resampled.get(), false);
    if (!colour) return colour;
    return WithAlpha(std::move(*colour), std::move(*alpha));
  } catch (const std::bad_alloc&) {
    // as when FreeImage itself finds no memory
  }
  return std::unexpected(NoMemory("resample", ""));
}

Result<Alpha> ResampledAlpha(const Alpha& alpha, int width, int height, ResampleFilter filter) {
  if (!alpha) return nullptr;
  try {
    const Bitmap grey = AlphaBitmap(*alpha);
    const Bitmap resampled(grey ? FreeImage_Rescale(grey.get(), width, height, FreeImageFilter(filter)) : nullptr);
    if (resampled) return AlphaOfGrey(resampled.get());
  } catch (const std::bad_alloc&) {
    // as when FreeImage itself finds no memory
  }
  return std::unexpected(NoMemory("resample", ""));
}

}  // namespace pixmora
