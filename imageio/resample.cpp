#include "imageio/resample.h"

#include <new>

#include "imageio/bitmap.h"
#include "imageio/freeimage_values.h"
#include "imageio/mfreeimage.h"
#include "imageio/picture_bitmap.h"

namespace pixmora {

Result<Picture> ResamplePicture(const Picture& picture, int width, int height, ResampleFilter filter) {
  if (!picture || picture->Count() == 0)
    return std::unexpected(Failure{.action = "resample", .why = "the picture is empty"});
  try {
    const PictureBitmap lent(*picture);
    const Bitmap resampled(FreeImage_Rescale(lent.Get(), width, height, FreeImageFilter(filter)));
    if (resampled) return ImageToPicture(resampled.get(), false);
  } catch (const std::bad_alloc&) {
    // as when FreeImage itself finds no memory
  }
  return std::unexpected(NoMemory("resample", ""));
}

}  // namespace pixmora
