#include <cmath>

#include "core/paths_and_text.h"

#include "imageio/freeimage_session.h"
#include "imageio/mfreeimage.h"

namespace pixmora {

namespace {

std::string ExtensionList(int format) {
  EnsureFreeImage();
  const char* list = FreeImage_GetFIFExtensionList(static_cast<FREE_IMAGE_FORMAT>(format));
  return list ? list : "";
}

}  // namespace

bool ExtensionMatchesFormat(int format, const std::string& fileName, bool caseSensitive) {
  const auto dot = fileName.rfind('.');
  if (dot == std::string::npos) return false;
  std::string extension = fileName.substr(dot + 1) + ",";
  std::string list = ExtensionList(format) + ",";
  if (!caseSensitive) extension = Lower(extension), list = Lower(list);
  return list.find(extension) != std::string::npos;
}

std::string FormatPrimaryExtension(int format) {
  const std::string list = ExtensionList(format);
  return list.substr(0, list.find(','));
}

uint32_t DotsPerMeterOfDpi(int32_t dpi) { return static_cast<uint32_t>(std::floor(dpi / 0.0254 + 0.5)); }

void SetImageDpiX(FIBITMAP* bitmap, int32_t dpi) { FreeImage_SetDotsPerMeterX(bitmap, DotsPerMeterOfDpi(dpi)); }

void SetImageDpiY(FIBITMAP* bitmap, int32_t dpi) { FreeImage_SetDotsPerMeterY(bitmap, DotsPerMeterOfDpi(dpi)); }

}  // namespace pixmora
