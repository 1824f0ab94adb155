#include <cmath>

#include "core/numeric.h"
#include "imageio/decode_file.h"
#include "imageio/decoder_process.h"
#include "imageio/freeimage_session.h"
#include "imageio/mfreeimage.h"

namespace pixmora {

namespace {

int32_t ToInt32OrThrow(double v) {
  int32_t out;
  if (!ToInt32(v, out)) throw ImageError(6, "MFreeImage", "Overflow");
  return out;
}

// The new size along one axis from an optional size argument and the bitmap's own size.
int32_t RequestedSize(SizeArg size, unsigned own, bool inPercent) {
  switch (size.kind) {
    case SizeArg::Kind::Absent: return 0;
    case SizeArg::Kind::Whole: return ToInt32OrThrow(size.value);
    case SizeArg::Kind::Floating: {
      int32_t n = ToInt32OrThrow(own * size.value);
      if (inPercent) n = ToInt32OrThrow(n / 100.0);
      return n;
    }
  }
  return 0;
}

}  // namespace

FIBITMAP* LoadBitmap(int format, const std::string& fileName, int flags) {
  EnsureFreeImage();
  return FreeImage_Load(static_cast<FREE_IMAGE_FORMAT>(format), fileName.c_str(), flags);
}

namespace {

// The bitmap of a decode, or the error its failure raises (null for an unknown format).
FIBITMAP* DecodedBitmap(const DecodeResult& decoded) {
  switch (decoded.status) {
    case DecodeStatus::Ok: return decoded.bitmap;
    case DecodeStatus::UnknownFormat: return nullptr;
    case DecodeStatus::NotReadable:
      throw ImageError::InvalidArgument("FreeImage Library plugin '" + FormatName(decoded.format) +
                                        "' " + "does not support reading.");
    case DecodeStatus::TooLarge:
    case DecodeStatus::Damaged: throw ImageError::InvalidPicture(decoded.message);
  }
  return nullptr;
}

bool Resized(SizeArg width, SizeArg height) {
  return width.kind != SizeArg::Kind::Absent || height.kind != SizeArg::Kind::Absent;
}

}  // namespace

FIBITMAP* LoadImageFile(const std::string& fileName, int flags, SizeArg width, SizeArg height,
                        bool inPercent, int filter, int* format) {
  // Pixels are decoded in the decoder process; a header-only bitmap (which the
  // program itself never asks for) can only be made here, by FreeImage itself.
  DecodeResult decoded = (flags & FIF_LOAD_NOPIXELS) ? DecodeFile(fileName, flags)
                                                     : DecodeInChild(fileName, flags);
  // The content alone decides the format; the name's extension is never consulted.
  if (format) *format = decoded.format;
  FIBITMAP* bitmap = DecodedBitmap(decoded);
  if (bitmap && Resized(width, height)) {
    try {
      bitmap = RescaleImage(bitmap, width, height, inPercent, true, filter, false);
    } catch (...) {
      FreeImage_Unload(bitmap);
      throw;
    }
  }
  return bitmap;
}

Picture LoadImageAsPicture(const std::string& fileName, int flags, SizeArg width,
                           SizeArg height, bool inPercent, int filter, int* format,
                           std::string* note) {
  if (fileName.empty()) return nullptr;
  flags &= 0x7FFF;
  if (Resized(width, height) || (flags & FIF_LOAD_NOPIXELS))
    return ImageToPicture(
        LoadImageFile(fileName, flags, width, height, inPercent, filter, format), true);
  // At the file's own size a colour picture skips the intermediate bitmap.
  Picture picture;
  const DecodeResult decoded = DecodeInChild(fileName, flags, kDecodeSeconds, &picture);
  if (format) *format = decoded.format;
  if (note) *note = decoded.status == DecodeStatus::Ok ? decoded.message : "";
  if (picture) return picture;
  return ImageToPicture(DecodedBitmap(decoded), true);
}

FIBITMAP* RescaleImage(FIBITMAP* bitmap, SizeArg width, SizeArg height, bool inPercent,
                       bool unloadSource, int filter, bool forceNew) {
  if (!bitmap) return nullptr;
  if (!HasPixels(bitmap))
    throw ImageError::InvalidArgument("Unable to rescale a 'header-only' bitmap.");
  const unsigned w0 = FreeImage_GetWidth(bitmap), h0 = FreeImage_GetHeight(bitmap);
  int32_t w = RequestedSize(width, w0, inPercent);
  int32_t h = RequestedSize(height, h0, inPercent);
  const double aspect = static_cast<double>(w0) / h0;
  if (w >= 1 && h >= 1) {
    if (!forceNew && static_cast<unsigned>(w) == w0 && static_cast<unsigned>(h) == h0)
      return bitmap;
  } else if (w >= 1) {
    if (static_cast<unsigned>(w) == w0 && !forceNew) return bitmap;
    h = ToInt32OrThrow(w / aspect);
  } else if (h >= 1) {
    if (static_cast<unsigned>(h) == h0 && !forceNew) return bitmap;
    w = ToInt32OrThrow(aspect * h);
  } else {
    return bitmap;
  }
  FIBITMAP* made = FreeImage_Rescale(bitmap, w, h, static_cast<FREE_IMAGE_FILTER>(filter));
  if (!made) return bitmap;
  if (unloadSource) FreeImage_Unload(bitmap);
  return made;
}

}  // namespace pixmora
