#include "imageio/write_picture.h"

#include <algorithm>
#include <cerrno>
#include <new>
#include <vector>

#include "imageio/atomic_file.h"
#include "imageio/bitmap.h"
#include "imageio/freeimage_values.h"
#include "imageio/jpeg_writer.h"
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
Status SaveWithResolution(FIBITMAP* bitmap, const std::string& path, PictureFormat format,
                          std::optional<int32_t> dpi, const SaveSettings& save) {
  if (dpi) {
    SetImageDpiX(bitmap, *dpi);
    SetImageDpiY(bitmap, *dpi);
  }
  return SaveBitmap(FreeImageFormat(format), bitmap, path, FreeImageSaveFlags(format, save));
}

Status WriteThroughFreeImage(const Picture& picture, const std::string& path, PictureFormat format,
                             const WriteOptions& o) {
  const PictureBitmap lent(*picture, HoldsTransparency(format));
  FIBITMAP* bitmap = lent.Get();
  Bitmap resampled;
  if (!OwnSize(*picture, o)) {
    resampled.reset(FreeImage_Rescale(bitmap, o.width ? o.width : picture->Width(),
                                      o.height ? o.height : picture->Height(),
                                      FreeImageFilter(o.filter)));
    if (!resampled) return std::unexpected(NoMemory("write", path));
    bitmap = resampled.get();
  }
  return SaveWithResolution(bitmap, path, format, o.dpi, o.save);
}

// FreeImage's bitmaps carry 72 dots an inch unless told otherwise.
uint32_t DotsPerMeter(const WriteOptions& o) { return o.dpi ? DotsPerMeterOfDpi(*o.dpi) : 2835; }

// A file made by one of our own encoders, encode(stream) saying whether it
// wrote it all.
template <class Encode>
Status WriteOwnEncoding(const std::string& path, Encode encode) {
  AtomicFile file(path);
  errno = 0;
  const bool written = file.Stream() && encode(file.Stream());
  return file.Commit(written, errno);
}

// A PNG or a JPEG at its own size straight from the picture's columns,
// through our own writers: no whole-picture bitmap on the way.
Status WritePngFile(const PixelBuffer& picture, const std::string& path, const WriteOptions& o) {
  const bool alpha = picture.GetAlpha() != nullptr;
  const auto rows = [&picture, alpha](int y0, int count, uint8_t* const* out) {
    if (alpha) ColumnsToRowsWithAlpha(picture, y0, count, out);
    else ColumnsToRows(picture, y0, count, out);
  };
  const int level = PngLevel(FreeImageSaveFlags(PictureFormat::Png, o.save));
  return WriteOwnEncoding(path, [&](FILE* stream) {
    return WritePng(picture.Width(), picture.Height(), alpha, rows, stream, level, DotsPerMeter(o));
  });
}

Status WriteJpegFile(const PixelBuffer& picture, const std::string& path, const WriteOptions& o) {
  const int width = picture.Width(), height = picture.Height();
  std::vector<uint32_t> band(static_cast<size_t>(width) * kRowBand);
  uint32_t* rows[kRowBand];
  for (int i = 0; i < kRowBand; ++i) rows[i] = band.data() + static_cast<size_t>(width) * i;
  JpegRowsFile file(path, o);
  bool written = file.Start(width, height);
  for (int y0 = 0; written && y0 < height; y0 += kRowBand) {
    const int count = std::min(height - y0, kRowBand);
    ColumnsToColourRows(picture, y0, count, rows);
    written = file.Write(rows, count);
  }
  return file.Finish(written);
}

// The picture written in the quickest way its format and options allow.
Status Write(const Picture& picture, const std::string& path, PictureFormat format,
             const WriteOptions& options) {
  // A plain 24-bit BMP comes from our own writer: FreeImage's bytes, sooner.
  if (format == PictureFormat::Bmp && OwnSize(*picture, options) && !options.dpi)
    return SavePictureAsBmp(picture, path);
  if (format == PictureFormat::Png && OwnSize(*picture, options)) return WritePngFile(*picture, path, options);
  if (format == PictureFormat::Jpeg && OwnSize(*picture, options)) return WriteJpegFile(*picture, path, options);
  return WriteThroughFreeImage(picture, path, format, options);
}

}  // namespace

Status WritePictureFile(const Picture& picture, const std::string& path, PictureFormat format,
                        const WriteOptions& options) {
  if (!picture || picture->Count() == 0) return std::unexpected(CannotWrite(path, "the picture is empty"));
  try {
    return Write(picture, path, format, options);
  } catch (const std::bad_alloc&) {
    return std::unexpected(NoMemory("write", path));
  }
}

JpegRowsFile::JpegRowsFile(std::string path, const WriteOptions& options)
    : path_(std::move(path)),
      quality_(JpegQuality(FreeImageSaveFlags(PictureFormat::Jpeg, options.save))),
      dotsPerMeter_(DotsPerMeter(options)) {}

JpegRowsFile::~JpegRowsFile() = default;

bool JpegRowsFile::Start(int width, int height) {
  file_ = std::make_unique<AtomicFile>(path_);
  if (!file_->Stream()) return Kept(false);
  writer_ = std::make_unique<JpegBandWriter>(file_->Stream(), quality_, dotsPerMeter_);
  errno = 0;
  return Kept(writer_->Start(width, height));
}

bool JpegRowsFile::Write(const uint32_t* const* rows, int count) {
  if (!writer_) return false;
  errno = 0;
  return Kept(writer_->Write(rows, count));
}

bool JpegRowsFile::Kept(bool done) {
  if (!done && !failed_) {
    failed_ = true;
    writeError_ = errno;
  }
  return done;
}

Status JpegRowsFile::Finish(bool complete) {
  if (!file_) return std::unexpected(CannotWrite(path_, "nothing was written"));
  errno = 0;
  const bool written = complete && writer_ && Kept(writer_->Finish());
  writer_.reset();
  return file_->Commit(written, writeError_);
}

bool HoldsTransparency(PictureFormat format) {
  return format == PictureFormat::Png || format == PictureFormat::Tiff;
}

Status RewriteWithResolution(const std::string& path, PictureFormat format, int32_t dpi,
                             const SaveSettings& save) {
  const Bitmap again(LoadBitmap(FreeImageFormat(format), path, 0));
  if (!again) return {};
  return SaveWithResolution(again.get(), path, format, dpi, save);
}

std::string NameWithFormatExtension(const std::string& path, PictureFormat format) {
  const int own = FreeImageFormat(format);
  return ExtensionMatchesFormat(own, path, true) ? path : path + "." + FormatPrimaryExtension(own);
}

}  // namespace pixmora
