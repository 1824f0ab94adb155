#include "imageio/write_picture.h"

#include <new>

#include "imageio/bitmap.h"
#include "imageio/mfreeimage.h"
#include "imageio/picture_bitmap.h"
#include "imageio/picture_files.h"

namespace pixmora {

namespace {

bool OwnSize(const PixelBuffer& picture, const WriteOptions& o) {
  return (o.width == 0 || o.width == picture.Width()) &&
         (o.height == 0 || o.height == picture.Height());
}

std::string WriteThroughFreeImage(const Picture& picture, const std::string& path, int format,
                                  const WriteOptions& o) {
  const PictureBitmap lent(*picture);
  FIBITMAP* bitmap = lent.Get();
  Bitmap resampled;
  if (!OwnSize(*picture, o)) {
    resampled.reset(FreeImage_Rescale(bitmap, o.width ? o.width : picture->Width(),
                                      o.height ? o.height : picture->Height(),
                                      static_cast<FREE_IMAGE_FILTER>(o.filter)));
    if (!resampled) return "not enough memory to resample the picture";
    bitmap = resampled.get();
  }
  if (o.dpi) {
    SetImageDpiX(bitmap, *o.dpi);
    SetImageDpiY(bitmap, *o.dpi);
  }
  return SaveBitmap(format, bitmap, path, o.flags) ? "" : LastFileLayerMessage();
}

}  // namespace

std::string WritePictureFile(const Picture& picture, const std::string& path, int format,
                             const WriteOptions& options) {
  if (!picture || picture->Count() == 0) return "the picture is empty";
  std::string error;
  // A plain 24-bit BMP comes from our own writer: FreeImage's bytes, sooner.
  if (format == kFormatBmp && OwnSize(*picture, options) && !options.dpi)
    return SavePictureAsBmp(picture, path, &error) ? "" : error;
  try {
    return WriteThroughFreeImage(picture, path, format, options);
  } catch (const std::bad_alloc&) {
    return "not enough memory for this picture";
  }
}

std::string NameWithFormatExtension(const std::string& path, int format) {
  return ExtensionMatchesFormat(format, path, true) ? path
                                                    : path + "." + FormatPrimaryExtension(format);
}

}  // namespace pixmora
