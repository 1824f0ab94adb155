#include "imageio/freeimage_session.h"
#include "imageio/mfreeimage.h"

namespace pixmora {

bool HasPixels(FIBITMAP* bitmap) { return FreeImage_HasPixels(bitmap) == 1; }

bool SupportsReading(int format) {
  EnsureFreeImage();
  return FreeImage_FIFSupportsReading(static_cast<FREE_IMAGE_FORMAT>(format)) == 1;
}

bool SupportsWriting(int format) {
  EnsureFreeImage();
  return FreeImage_FIFSupportsWriting(static_cast<FREE_IMAGE_FORMAT>(format)) == 1;
}

bool SupportsExportType(int format, int type) {
  EnsureFreeImage();
  return FreeImage_FIFSupportsExportType(static_cast<FREE_IMAGE_FORMAT>(format),
                                         static_cast<FREE_IMAGE_TYPE>(type)) == 1;
}

bool SupportsExportBpp(int format, int bpp) {
  EnsureFreeImage();
  return FreeImage_FIFSupportsExportBPP(static_cast<FREE_IMAGE_FORMAT>(format), bpp) == 1;
}

std::string FormatName(int format) {
  EnsureFreeImage();
  const char* name = FreeImage_GetFormatFromFIF(static_cast<FREE_IMAGE_FORMAT>(format));
  return name ? name : "";
}

}  // namespace pixmora
