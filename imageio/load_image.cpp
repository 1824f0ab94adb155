#include <cmath>

#include "core/numeric.h"
#include "imageio/decode_file.h"
#include "imageio/decoder_process.h"
#include "imageio/freeimage_session.h"
#include "imageio/mfreeimage.h"

namespace pixmora {

namespace {

Result<int32_t> Int32(double v) {
  int32_t out;
  if (!ToInt32(v, out)) return std::unexpected(UsageFailure("the size is out of range"));
  return out;
}

// The new size along one axis from an optional size argument and the bitmap's own size.
Result<int32_t> RequestedSize(SizeArg size, unsigned own, bool inPercent) {
  switch (size.kind) {
    case SizeArg::Kind::Absent: return 0;
    case SizeArg::Kind::Whole: return Int32(size.value);
    case SizeArg::Kind::Floating: {
      const Result<int32_t> n = Int32(own * size.value);
      return n && inPercent ? Int32(*n / 100.0) : n;
    }
  }
  return 0;
}

struct Size {
  int32_t width = 0, height = 0;  // 0 x 0: nothing is to be made
};

// The size RescaleImage makes from its arguments and the bitmap's own size w0 x h0.
Result<Size> NewSize(SizeArg width, SizeArg height, unsigned w0, unsigned h0, bool inPercent,
                     bool forceNew) {
  Result<int32_t> w = RequestedSize(width, w0, inPercent), h = RequestedSize(height, h0, inPercent);
  if (!w || !h) return std::unexpected(w ? h.error() : w.error());
  const double aspect = static_cast<double>(w0) / h0;
  if (*w >= 1 && *h >= 1) {
    if (!forceNew && static_cast<unsigned>(*w) == w0 && static_cast<unsigned>(*h) == h0) return Size{};
  } else if (*w >= 1) {
    if (static_cast<unsigned>(*w) == w0 && !forceNew) return Size{};
    h = Int32(*w / aspect);
  } else if (*h >= 1) {
    if (static_cast<unsigned>(*h) == h0 && !forceNew) return Size{};
    w = Int32(aspect * *h);
  } else {
    return Size{};
  }
  if (!w || !h) return std::unexpected(w ? h.error() : w.error());
  return Size{*w, *h};
}

bool Resized(SizeArg width, SizeArg height) {
  return width.kind != SizeArg::Kind::Absent || height.kind != SizeArg::Kind::Absent;
}

// A bitmap's failure to become a picture, as a failure to read the file it came from.
Result<Picture> PictureOf(FIBITMAP* bitmap, const std::string& fileName) {
  Result<Picture> picture = ImageToPicture(bitmap, true);
  if (!picture) return std::unexpected(CannotRead(fileName, picture.error().why));
  return picture;
}

}  // namespace

Result<Picture> DecodedPicture(DecodeResult decoded, const std::string& fileName, int* format,
                               std::string* note) {
  if (!decoded) return std::unexpected(std::move(decoded.error()));
  if (format) *format = decoded->format;
  if (note) *note = decoded->note;
  if (decoded->picture || !decoded->bitmap) return decoded->picture;
  return PictureOf(decoded->bitmap.release(), fileName);
}

FIBITMAP* LoadBitmap(int format, const std::string& fileName, int flags) {
  EnsureFreeImage();
  return FreeImage_Load(static_cast<FREE_IMAGE_FORMAT>(format), fileName.c_str(), flags);
}

Result<FIBITMAP*> LoadImageFile(const std::string& fileName, int flags, SizeArg width, SizeArg height,
                                bool inPercent, int filter, int* format) {
  // Pixels are decoded in the decoder process; a header-only bitmap (which the
  // program itself never asks for) can only be made here, by FreeImage itself.
  DecodeResult decoded = (flags & FIF_LOAD_NOPIXELS) ? DecodeFile(fileName, flags)
                                                     : DecodeInChild(fileName, flags);
  if (!decoded) return std::unexpected(std::move(decoded.error()));
  // The content alone decides the format; the name's extension is never consulted.
  if (format) *format = decoded->format;
  FIBITMAP* bitmap = decoded->bitmap.release();
  if (!Resized(width, height)) return bitmap;
  Result<FIBITMAP*> rescaled = RescaleImage(bitmap, width, height, inPercent, true, filter, false);
  if (!rescaled) FreeImage_Unload(bitmap);
  return rescaled;
}

Result<Picture> LoadImageAsPicture(const std::string& fileName, int flags, SizeArg width,
                                   SizeArg height, bool inPercent, int filter, int* format,
                                   std::string* note) {
  flags &= 0x7FFF;
  if (Resized(width, height)) {
    const Result<FIBITMAP*> bitmap = LoadImageFile(fileName, flags, width, height, inPercent, filter, format);
    if (!bitmap) return std::unexpected(bitmap.error());
    return PictureOf(*bitmap, fileName);
  }
  // At the file's own size a colour picture skips the intermediate bitmap.
  return DecodedPicture(DecodeInChild(fileName, flags, kDecodeSeconds, true), fileName, format, note);
}

Result<FIBITMAP*> RescaleImage(FIBITMAP* bitmap, SizeArg width, SizeArg height, bool inPercent,
                               bool unloadSource, int filter, bool forceNew) {
  if (!bitmap) return nullptr;
  if (!HasPixels(bitmap)) return std::unexpected(UsageFailure("Unable to rescale a 'header-only' bitmap."));
  const Result<Size> size = NewSize(width, height, FreeImage_GetWidth(bitmap),
                                    FreeImage_GetHeight(bitmap), inPercent, forceNew);
  if (!size) return std::unexpected(size.error());
  if (size->width == 0) return bitmap;
  FIBITMAP* made =
      FreeImage_Rescale(bitmap, size->width, size->height, static_cast<FREE_IMAGE_FILTER>(filter));
  if (!made) return bitmap;
  if (unloadSource) FreeImage_Unload(bitmap);
  return made;
}

}  // namespace pixmora
