#include "imageio/write_picture.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <new>

#include "imageio/atomic_file.h"
#include "imageio/bitmap.h"
#include "imageio/freeimage_values.h"
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

// The bitmap saved, with the resolution fields at dpi when given.
std::string SaveWithResolution(FIBITMAP* bitmap, const std::string& path, PictureFormat format,
                               std::optional<int32_t> dpi, const SaveSettings& save) {
  if (dpi) {
    SetImageDpiX(bitmap, *dpi);
    SetImageDpiY(bitmap, *dpi);
  }
  return SaveBitmap(FreeImageFormat(format), bitmap, path, FreeImageSaveFlags(format, save))
             ? ""
             : LastFileLayerMessage();
}

std::string WriteThroughFreeImage(const Picture& picture, const std::string& path,
                                  PictureFormat format, const WriteOptions& o) {
  const PictureBitmap lent(*picture);
  FIBITMAP* bitmap = lent.Get();
  Bitmap resampled;
  if (!OwnSize(*picture, o)) {
    resampled.reset(FreeImage_Rescale(bitmap, o.width ? o.width : picture->Width(),
                                      o.height ? o.height : picture->Height(),
                                      FreeImageFilter(o.filter)));
    if (!resampled) return "not enough memory to resample the picture";
    bitmap = resampled.get();
  }
  return SaveWithResolution(bitmap, path, format, o.dpi, o.save);
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
  const int level = PngLevel(FreeImageSaveFlags(PictureFormat::Png, o.save));
  const bool written = opened && WritePng24(picture.Width(), picture.Height(), rows, file.Stream(),
                                            level, dotsPerMeter);
  const int writeError = errno;
  if (file.Commit(written)) return "";
  return opened && !written && writeError != 0 ? std::strerror(writeError) : file.Error();
}

}  // namespace

std::string WritePictureFile(const Picture& picture, const std::string& path, PictureFormat format,
                             const WriteOptions& options) {
  if (!picture || picture->Count() == 0) return "the picture is empty";
  std::string error;
  // A plain 24-bit BMP comes from our own writer: FreeImage's bytes, sooner.
  if (format == PictureFormat::Bmp && OwnSize(*picture, options) && !options.dpi)
    return SavePictureAsBmp(picture, path, &error) ? "" : error;
  if (format == PictureFormat::Png && OwnSize(*picture, options)) {
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

std::string RewriteWithResolution(const std::string& path, PictureFormat format, int32_t dpi,
                                  const SaveSettings& save) {
  const Bitmap again(LoadBitmap(FreeImageFormat(format), path, 0));
  return again ? SaveWithResolution(again.get(), path, format, dpi, save) : "";
}

std::string NameWithFormatExtension(const std::string& path, PictureFormat format) {
  const int own = FreeImageFormat(format);
  return ExtensionMatchesFormat(own, path, true) ? path : path + "." + FormatPrimaryExtension(own);
}

}  // namespace pixmora
