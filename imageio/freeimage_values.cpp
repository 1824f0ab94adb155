#include "imageio/freeimage_values.h"

#include <algorithm>

namespace pixmora {

FREE_IMAGE_FORMAT FreeImageFormat(PictureFormat format) {
  switch (format) {
    case PictureFormat::Bmp: return FIF_BMP;
    case PictureFormat::Jpeg: return FIF_JPEG;
    case PictureFormat::Png: return FIF_PNG;
    case PictureFormat::Tiff: return FIF_TIFF;
  }
  return FIF_BMP;
}

FREE_IMAGE_FILTER FreeImageFilter(ResampleFilter filter) {
  switch (filter) {
    case ResampleFilter::Box: return FILTER_BOX;
    case ResampleFilter::Bilinear: return FILTER_BILINEAR;
    case ResampleFilter::BSpline: return FILTER_BSPLINE;
    case ResampleFilter::Bicubic: return FILTER_BICUBIC;
    case ResampleFilter::CatmullRom: return FILTER_CATMULLROM;
    case ResampleFilter::Lanczos3: return FILTER_LANCZOS3;
  }
  return FILTER_BSPLINE;
}

int FreeImageSaveFlags(PictureFormat format, const SaveSettings& settings) {
  // FreeImage reads a JPEG quality from the flags' low seven bits; 0 is its default.
  if (format == PictureFormat::Jpeg) return std::clamp(settings.jpegQuality, 0, 100);
  if (format != PictureFormat::Png) return 0;
  switch (settings.pngCompression) {
    case PngCompression::Fast: return PNG_Z_BEST_SPEED;
    case PngCompression::Best: return PNG_Z_BEST_COMPRESSION;
    case PngCompression::Default: return 0;
  }
  return 0;
}

}  // namespace pixmora
