// Exchange between FreeImage bitmaps (rows bottom-up, BGR bytes) and the
// surfaces' pictures (columns top-down, ColorRef). The copy goes in bands of
// rows so that each column write fills whole cache lines.
#include <algorithm>
#include <memory>

#include "imageio/freeimage_session.h"
#include "imageio/mfreeimage.h"

namespace pixmora {

namespace {

constexpr int kBand = 16;

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
  for (int y0 = 0; y0 < h; y0 += kBand) {
    const int y1 = std::min(h, y0 + kBand);
    const BYTE* rows[kBand];
    for (int y = y0; y < y1; ++y) rows[y - y0] = FreeImage_GetScanLine(bitmap, h - 1 - y);
    for (int x = 0; x < w; ++x) {
      ColorRef* out = picture->Column(x);
      for (int y = y0; y < y1; ++y) {
        const BYTE* p = rows[y - y0] + x * step;
        out[y] = PackRGB(p[FI_RGBA_RED], p[FI_RGBA_GREEN], p[FI_RGBA_BLUE]);
      }
    }
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
  for (int y0 = 0; y0 < h; y0 += kBand) {
    const int y1 = std::min(h, y0 + kBand);
    BYTE* rows[kBand];
    for (int y = y0; y < y1; ++y) rows[y - y0] = FreeImage_GetScanLine(bitmap, h - 1 - y);
    for (int x = 0; x < w; ++x) {
      const ColorRef* in = image->Column(x);
      for (int y = y0; y < y1; ++y) {
        BYTE* p = rows[y - y0] + x * 3;
        const ColorRef c = in[y];
        p[FI_RGBA_RED] = c & 0xFF;
        p[FI_RGBA_GREEN] = (c >> 8) & 0xFF;
        p[FI_RGBA_BLUE] = (c >> 16) & 0xFF;
      }
    }
  }
  return bitmap;
}

}  // namespace pixmora
