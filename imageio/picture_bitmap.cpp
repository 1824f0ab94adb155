#include "imageio/picture_bitmap.h"

#include <algorithm>
#include <new>

#include "imageio/freeimage_session.h"
#include "imageio/row_exchange.h"

namespace pixmora {

PictureBitmap::PictureBitmap(const PixelBuffer& picture, bool keepAlpha) {
  EnsureFreeImage();
  const int w = picture.Width(), h = picture.Height();
  const bool alpha = keepAlpha && picture.GetAlpha();
  const int bytes = alpha ? 4 : 3;
  const size_t pitch = (static_cast<size_t>(w) * bytes + 3) & ~size_t{3};
  rows_ = MakeLargeArray<uint8_t>(pitch * static_cast<size_t>(h));
  // Bottom-up, as FreeImage keeps its rows.
  for (int y0 = 0; y0 < h; y0 += kRowBand) {
    const int count = std::min(h - y0, kRowBand);
    uint8_t* rows[kRowBand];
    for (int i = 0; i < count; ++i) rows[i] = rows_.get() + pitch * (h - 1 - y0 - i);
    if (alpha) ColumnsToRowsWithAlpha(picture, y0, count, rows);
    else ColumnsToRows(picture, y0, count, rows);
  }
  bitmap_ = FreeImage_ConvertFromRawBitsEx(FALSE, rows_.get(), FIT_BITMAP, w, h,
                                           static_cast<int>(pitch), bytes * 8, FI_RGBA_RED_MASK,
                                           FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK, FALSE);
  if (!bitmap_) throw std::bad_alloc();
}

PictureBitmap::~PictureBitmap() { FreeImage_Unload(bitmap_); }

}  // namespace pixmora
