#include "imageio/freeimage_session.h"
#include "imageio/mfreeimage.h"

namespace pixmora {

bool HasPixels(FIBITMAP* bitmap) { return FreeImage_HasPixels(bitmap) == 1; }

bool SupportsReading(int format) {
  EnsureFreeImage();
  return FreeImage_FIFSupportsReading(static_cast<FREE_IMAGE_FORMAT>(format)) == 1;
}

std::string FormatName(int format) {
  EnsureFreeImage();
  const char* name = FreeImage_GetFormatFromFIF(static_cast<FREE_IMAGE_FORMAT>(format));
  return name ? name : "";
}

}  // namespace pixmora
