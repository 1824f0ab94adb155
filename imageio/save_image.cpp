#include <cmath>

#include "core/paths_and_text.h"

#include "imageio/freeimage_session.h"
#include "imageio/mfreeimage.h"
#include "imageio/write_picture.h"

namespace pixmora {

namespace {

std::string ExtensionList(int format) {
  EnsureFreeImage();
  const char* list = FreeImage_GetFIFExtensionList(static_cast<FREE_IMAGE_FORMAT>(format));
  return list ? list : "";
}

// A failed conversion hands back the input, which then stays the caller's.
FIBITMAP* Converted(FIBITMAP* bitmap, int depth, bool release, bool& made) {
  FIBITMAP* result = ConvertImageDepth(bitmap, depth, release, 128, 0, 0);
  if (result != bitmap) made = true;
  return result;
}

// Brings the bitmap to the depth to write; raises the colour-depth error when
// the format cannot write it.
FIBITMAP* FitDepth(FIBITMAP* bitmap, int format, int depth, bool release, bool depthChanged,
                   unsigned depthBefore, bool& made) {
  if (depth != 0) {
    depth &= ~2;
    if (!SupportsExportBpp(format, depth))
      throw ImageError::InvalidArgument("FreeImage Library plugin '" + FormatName(format) + "' " +
                                        "is unable to write images with a color depth " + "of " +
                                        std::to_string(depth) + " bpp.");
    if (static_cast<int>(FreeImage_GetBPP(bitmap)) == depth) return bitmap;
    return Converted(bitmap, depth, release, made);
  }
  int d = depthChanged ? static_cast<int>(depthBefore) : static_cast<int>(FreeImage_GetBPP(bitmap));
  if (!SupportsExportBpp(format, d)) {
    while (d != 0 && !SupportsExportBpp(format, d)) d = NextLowerDepth(d);
    if (d == 0)  // nothing this format can write: report it like an explicit depth
      throw ImageError::InvalidArgument("FreeImage Library plugin '" + FormatName(format) + "' " +
                                        "is unable to write images with a color depth " +
                                        "of " + std::to_string(FreeImage_GetBPP(bitmap)) +
                                        " bpp.");
    return Converted(bitmap, d, release, made);
  }
  if (depthChanged) return ConvertImageDepth(bitmap, d, true, 128, 0, 0);
  return bitmap;
}

}  // namespace

bool SaveImageFile(FIBITMAP* bitmap, const std::string& fileName, int format, int flags,
                   int colourDepth, SizeArg width, SizeArg height, bool inPercent, int filter,
                   bool unloadSource) {
  if (!bitmap) return false;
  if (!HasPixels(bitmap))
    throw ImageError::InvalidArgument("Unable to save 'header-only' bitmaps.");
  bool made = false, depthChanged = false;
  unsigned depthBefore = 0;
  if (width.kind != SizeArg::Kind::Absent || height.kind != SizeArg::Kind::Absent) {
    depthBefore = FreeImage_GetBPP(bitmap);
    FIBITMAP* b = RescaleImage(bitmap, width, height, inPercent, unloadSource, filter, false);
    made = b != bitmap;
    bitmap = b;
    depthChanged = depthBefore != FreeImage_GetBPP(b);
  }
  // From here on a bitmap made on the way is released on every exit.
  auto release = [&](FIBITMAP* b) {
    if (made || unloadSource) FreeImage_Unload(b);
  };
  try {
    if (format == FIF_UNKNOWN) {
      format = FreeImage_GetFIFFromFilename(fileName.c_str());
      if (format == FIF_UNKNOWN)
        throw ImageError::InvalidArgument(
            std::string("Unknown image format. Neither an explicit image format ") +
            "was specified nor any known image format was determined " +
            "from the filename specified.");
    }
    if (!(SupportsExportType(format, FIT_BITMAP) && SupportsWriting(format)))
      throw ImageError::InvalidArgument("FreeImage Library plugin '" + FormatName(format) + "' " +
                                        "is unable to write images of the image format requested.");
    bitmap = FitDepth(bitmap, format, colourDepth, unloadSource || made, depthChanged,
                      depthBefore, made);
    const bool result = SaveBitmap(format, bitmap, NameWithFormatExtension(fileName, format), flags);
    release(bitmap);
    return result;
  } catch (...) {
    release(bitmap);
    throw;
  }
}

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

int NextLowerDepth(int depth) {
  switch (depth) {
    case 32: return 24;
    case 24: return 16;
    case 16: return 15;
    case 15: return 8;
    case 8: return 4;
    case 4: return 1;
    default: return 0;
  }
}

void SetImageDpiX(FIBITMAP* bitmap, int32_t dpi) {
  FreeImage_SetDotsPerMeterX(bitmap, static_cast<unsigned>(std::floor(dpi / 0.0254 + 0.5)));
}

void SetImageDpiY(FIBITMAP* bitmap, int32_t dpi) {
  FreeImage_SetDotsPerMeterY(bitmap, static_cast<unsigned>(std::floor(dpi / 0.0254 + 0.5)));
}

}  // namespace pixmora
