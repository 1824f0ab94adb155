#include "imageio/write_picture.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <new>

#include "imageio/atomic_file.h"
#include "imageio/bitmap.h"
#include "imageio/mfreeimage.h"
#include "imageio/picture_bitmap.h"
#include "imageio/picture_files.h"
#include "imageio/png_writer.h"
#include "imageio/row_exchange.h"

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

// A PNG at its own size straight from the picture's columns, through our own
// writer: no whole-picture bitmap on the way.
std::string WritePng(const PixelBuffer& picture, const std::string& path, const WriteOptions& o) {
  // FreeImage's bitmaps carry 72 dots an inch unless told otherwise.
  const uint32_t dotsPerMeter = o.dpi ? static_cast<uint32_t>(std::floor(*o.dpi / 0.0254 + 0.5)) : 2835;
  const auto rows = [&picture](int y0, int count, uint8_t* const* out) {
    ColumnsToRows(picture, y0, count, out);
  };
  AtomicFile file(path);
  const bool opened = file.Stream() != nullptr;
  errno = 0;
  const bool written = opened && WritePng24(picture.Width(), picture.Height(), rows, file.Stream(),
                                            PngLevel(o.flags), dotsPerMeter);
  const int writeError = errno;
  if (file.Commit(written)) return "";
  return opened && !written && writeError != 0 ? std::strerror(writeError) : file.Error();
}

}  // namespace

std::string WritePictureFile(const Picture& picture, const std::string& path, int format,
                             const WriteOptions& options) {
  if (!picture || picture->Count() == 0) return "the picture is empty";
  std::string error;
  // A plain 24-bit BMP comes from our own writer: FreeImage's bytes, sooner.
  if (format == kFormatBmp && OwnSize(*picture, options) && !options.dpi)
    return SavePictureAsBmp(picture, path, &error) ? "" : error;
  if (format == kFormatPng && OwnSize(*picture, options)) {
    try {
      return WritePng(*picture, path, options);
    } catch (const std::bad_alloc&) {
      return "not enough memory for this picture";
    }
  }
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
