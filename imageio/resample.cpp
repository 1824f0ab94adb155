#include "imageio/resample.h"

#include <new>

#include "imageio/bitmap.h"
#include "imageio/freeimage_values.h"
#include "imageio/mfreeimage.h"
#include "imageio/picture_bitmap.h"

namespace pixmora {

Picture ResamplePicture(const Picture& picture, int width, int height, ResampleFilter filter) {
  if (!picture || picture->Count() == 0) return nullptr;
  try {
    const PictureBitmap lent(*picture);
    const Bitmap resampled(FreeImage_Rescale(lent.Get(), width, height, FreeImageFilter(filter)));
    return resampled ? ImageToPicture(resampled.get(), false) : nullptr;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace pixmora
