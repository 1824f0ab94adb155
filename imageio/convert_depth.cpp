#include "imageio/mfreeimage.h"

namespace pixmora {

namespace {

bool IsGreyPalette(FIBITMAP* bitmap) {
  const unsigned bpp = FreeImage_GetBPP(bitmap);
  if (bpp != 1 && bpp != 4 && bpp != 8) return false;
  const RGBQUAD* palette = FreeImage_GetPalette(bitmap);
  if (!palette) return false;
  for (unsigned i = 0; i < FreeImage_GetColorsUsed(bitmap); ++i)
    if (palette[i].rgbRed != palette[i].rgbGreen || palette[i].rgbGreen != palette[i].rgbBlue)
      return false;
  return true;
}

// Target 9: eight-bit greyscale, unless the bitmap already is (an 8-bit
// non-palette bitmap, or with the 0x1000 modifier a grey palette).
FIBITMAP* ToGreyscale(FIBITMAP* bitmap, bool greyPaletteCounts) {
  const bool alreadyGrey = (FreeImage_GetBPP(bitmap) == 8 &&
                            FreeImage_GetColorType(bitmap) != FIC_PALETTE) ||
                           (greyPaletteCounts && IsGreyPalette(bitmap));
  return alreadyGrey ? nullptr : FreeImage_ConvertToGreyscale(bitmap);
}

// Target 4: four-bit; a 1-bit palette is made grey first, and a 4-bit bitmap
// is only rebuilt when it holds a (colour) palette.
FIBITMAP* ToFourBits(FIBITMAP* bitmap, bool greyPaletteCounts) {
  const unsigned bpp = FreeImage_GetBPP(bitmap);
  if (bpp == 4) {
    if (FreeImage_GetColorType(bitmap) != FIC_PALETTE) return nullptr;
    if (greyPaletteCounts && IsGreyPalette(bitmap)) return nullptr;
  }
  const bool viaGrey = bpp == 4 || (bpp == 1 && FreeImage_GetColorType(bitmap) == FIC_PALETTE);
  if (!viaGrey) return FreeImage_ConvertTo4Bits(bitmap);
  FIBITMAP* grey = FreeImage_ConvertToGreyscale(bitmap);
  if (!grey) return nullptr;
  FIBITMAP* made = FreeImage_ConvertTo4Bits(grey);
  FreeImage_Unload(grey);
  return made;
}

FIBITMAP* Quantized(FIBITMAP* bitmap, int quantizer) {
  const auto q = static_cast<FREE_IMAGE_QUANTIZE>(quantizer);
  if (FreeImage_GetBPP(bitmap) == 24) return FreeImage_ColorQuantize(bitmap, q);
  FIBITMAP* copy = FreeImage_ConvertTo24Bits(bitmap);
  if (!copy) return nullptr;
  FIBITMAP* made = FreeImage_ColorQuantize(copy, q);
  FreeImage_Unload(copy);
  return made;
}

}  // namespace

FIBITMAP* ConvertImageDepth(FIBITMAP* bitmap, int target, bool unloadSource, uint8_t threshold,
                            int ditherMethod, int quantizer) {
  if (!bitmap) return nullptr;
  if (!HasPixels(bitmap))
    throw ImageError::InvalidArgument("Unable to convert a 'header-only' bitmap.");
  const unsigned d = FreeImage_GetBPP(bitmap);
  const bool greyModifier = (target & 0x1000) != 0;
  FIBITMAP* made = nullptr;
  switch (target & ~0x1000) {
    case 1: if (d > 1) made = FreeImage_Threshold(bitmap, threshold); break;
    case 3:
      if (d > 1) made = FreeImage_Dither(bitmap, static_cast<FREE_IMAGE_DITHER>(ditherMethod));
      break;
    case 4: made = ToFourBits(bitmap, greyModifier); break;
    case 8: if (d != 8) made = Quantized(bitmap, quantizer); break;
    case 9: made = ToGreyscale(bitmap, greyModifier); break;
    case 15: if (d != 15) made = FreeImage_ConvertTo16Bits555(bitmap); break;
    case 16: if (d != 16) made = FreeImage_ConvertTo16Bits565(bitmap); break;
    case 24: if (d != 24) made = FreeImage_ConvertTo24Bits(bitmap); break;
    case 32: if (d != 32) made = FreeImage_ConvertTo32Bits(bitmap); break;
    default: break;
  }
  if (!made) return bitmap;
  if (unloadSource) FreeImage_Unload(bitmap);
  return made;
}

}  // namespace pixmora
