// From FreeImage bitmaps (rows bottom-up, BGR bytes) to the surfaces'
// pictures (columns top-down, ColorRef).
#include <algorithm>
#include <memory>

#include "imageio/bitmap.h"
#include "imageio/mfreeimage.h"
#include "imageio/row_exchange.h"

namespace pixmora {

namespace {

// A 24- or 32-bit standard bitmap with the same colours (the alpha is taken
// apart, see AlphaOf). Null when no conversion exists.
// Deep pictures keep the high byte of every value (what 8-bit viewers show);
// scaling by the picture's own range would brighten dark photographs. Other
// sample types (floats, 32-bit integers) go through FreeImage's linear scaling.
Bitmap ColourCopy(FIBITMAP* bitmap) {
  const FREE_IMAGE_TYPE type = FreeImage_GetImageType(bitmap);
  if (type == FIT_BITMAP || type == FIT_RGB16 || type == FIT_RGBA16)
    return Bitmap(FreeImage_ConvertTo24Bits(bitmap));
  const Bitmap standard(type == FIT_UINT16 ? FreeImage_ConvertTo8Bits(bitmap)
                                                : FreeImage_ConvertToStandardType(bitmap, TRUE));
  if (!standard) return nullptr;
  return Bitmap(FreeImage_ConvertTo24Bits(standard.get()));
}

// Calls take(rows, y0, count) for each band of the bitmap's rows, top down.
template <class Take>
void ForRowBands(FIBITMAP* bitmap, Take take) {
  const int h = static_cast<int>(FreeImage_GetHeight(bitmap));
  for (int y0 = 0; y0 < h; y0 += kRowBand) {
    const int count = std::min(h - y0, kRowBand);
    const uint8_t* rows[kRowBand];
    for (int i = 0; i < count; ++i) rows[i] = FreeImage_GetScanLine(bitmap, h - 1 - y0 - i);
    take(rows, y0, count);
  }
}

std::shared_ptr<PixelBuffer> PictureFromColourBitmap(FIBITMAP* bitmap) {
  const int step = static_cast<int>(FreeImage_GetBPP(bitmap)) / 8;
  auto picture = std::make_shared<PixelBuffer>(FreeImage_GetWidth(bitmap), FreeImage_GetHeight(bitmap),
                                               ForOverwrite{});
  ForRowBands(bitmap, [&](const uint8_t* const* rows, int y0, int count) {
    RowsToColumns(rows, step, y0, count, *picture);
  });
  return picture;
}

// The bitmap's transparency (null: opaque). Palettes' transparent entries,
// grey pictures' alpha and 16-bit alpha (its high byte, as colour keeps)
// come through FreeImage's own 32-bit conversion.
Alpha AlphaOf(FIBITMAP* bitmap) {
  if (!FreeImage_IsTransparent(bitmap)) return nullptr;
  Bitmap converted;
  if (FreeImage_GetImageType(bitmap) != FIT_BITMAP || FreeImage_GetBPP(bitmap) != 32) {
    converted.reset(FreeImage_ConvertTo32Bits(bitmap));
    if (!converted) return nullptr;
    bitmap = converted.get();
  }
  auto alpha = std::make_shared<AlphaPlane>(FreeImage_GetWidth(bitmap), FreeImage_GetHeight(bitmap));
  ForRowBands(bitmap, [&](const uint8_t* const* rows, int y0, int count) {
    RowsToAlpha(rows, y0, count, *alpha);
  });
  return KeptAlpha(std::move(alpha));
}

}  // namespace

Result<Picture> ImageToPicture(FIBITMAP* bitmap, bool unloadSource) {
  if (!bitmap) return nullptr;
  if (!HasPixels(bitmap))
    return std::unexpected(UsageFailure("Unable to create a picture from a 'header-only' bitmap."));
  std::shared_ptr<PixelBuffer> picture;
  const unsigned bpp = FreeImage_GetBPP(bitmap);
  if (FreeImage_GetImageType(bitmap) == FIT_BITMAP && (bpp == 24 || bpp == 32)) {
    picture = PictureFromColourBitmap(bitmap);
  } else if (Bitmap colour = ColourCopy(bitmap)) {
    picture = PictureFromColourBitmap(colour.get());
  }
  if (picture) picture->SetAlpha(AlphaOf(bitmap));
  if (unloadSource) FreeImage_Unload(bitmap);
  if (!picture) return std::unexpected(Failure{.why = "its pixels cannot be made into colours"});
  return picture;
}

}  // namespace pixmora
