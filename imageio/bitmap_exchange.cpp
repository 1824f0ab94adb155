// Exchange between FreeImage bitmaps (rows bottom-up, BGR bytes) and the
// surfaces' pictures (columns top-down, ColorRef).
#include <algorithm>
#include <memory>

#include "imageio/freeimage_session.h"
#include "imageio/mfreeimage.h"
#include "imageio/row_exchange.h"

namespace pixmora {

namespace {

struct Unloader {
  void operator()(FIBITMAP* b) const { FreeImage_Unload(b); }
};
using OwnedBitmap = std::unique_ptr<FIBITMAP, Unloader>;

// A 24- or 32-bit standard bitmap with the same colours. Alpha is dropped:
// surfaces hold opaque colours. Null when no conversion exists.
OwnedBitmap ColourCopy(FIBITMAP* bitmap) {
  OwnedBitmap standard;
  if (FreeImage_GetImageType(bitmap) != FIT_BITMAP) {
    standard.reset(FreeImage_ConvertToStandardType(bitmap, TRUE));
    if (!standard) return nullptr;
    bitmap = standard.get();
  }
  return OwnedBitmap(FreeImage_ConvertTo24Bits(bitmap));
}

Picture PictureFromColourBitmap(FIBITMAP* bitmap) {
  const int w = static_cast<int>(FreeImage_GetWidth(bitmap));
  const int h = static_cast<int>(FreeImage_GetHeight(bitmap));
  const int step = static_cast<int>(FreeImage_GetBPP(bitmap)) / 8;
  auto picture = std::make_shared<PixelBuffer>(w, h);
  for (int y0 = 0; y0 < h; y0 += kRowBand) {
    const int count = std::min(h - y0, kRowBand);
    const uint8_t* rows[kRowBand];
    for (int i = 0; i < count; ++i) rows[i] = FreeImage_GetScanLine(bitmap, h - 1 - y0 - i);
    RowsToColumns(rows, step, y0, count, *picture);
  }
  return picture;
}

}  // namespace

Picture ImageToPicture(FIBITMAP* bitmap, bool unloadSource) {
  if (!bitmap) return nullptr;
  if (!HasPixels(bitmap))
    throw ImageError::InvalidArgument("Unable to create a picture from a 'header-only' bitmap.");
  Picture picture;
  const unsigned bpp = FreeImage_GetBPP(bitmap);
  if (FreeImage_GetImageType(bitmap) == FIT_BITMAP && (bpp == 24 || bpp == 32)) {
    picture = PictureFromColourBitmap(bitmap);
  } else if (OwnedBitmap colour = ColourCopy(bitmap)) {
    picture = PictureFromColourBitmap(colour.get());
  }
  if (unloadSource) FreeImage_Unload(bitmap);
  return picture;
}

FIBITMAP* ImageFromDeviceContext(const PictureSurface& surface) {
  EnsureFreeImage();
  const PixelBuffer* image = surface.ImageBuffer();
  const int w = surface.Width(), h = surface.Height();
  if (!image || w <= 0 || h <= 0) return nullptr;
  FIBITMAP* bitmap = FreeImage_Allocate(w, h, 24, 0, 0, 0);
  if (!bitmap) return nullptr;
  for (int y0 = 0; y0 < h; y0 += kRowBand) {
    const int count = std::min(h - y0, kRowBand);
    uint8_t* rows[kRowBand];
    for (int i = 0; i < count; ++i) rows[i] = FreeImage_GetScanLine(bitmap, h - 1 - y0 - i);
    ColumnsToRows(*image, y0, count, rows);
  }
  return bitmap;
}

}  // namespace pixmora
