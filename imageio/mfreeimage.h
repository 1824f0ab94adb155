// MFreeImage: the program's only layer over the FreeImage library. It loads,
// rescales, converts and saves FreeImage bitmaps and exchanges them with
// picture surfaces. It keeps no state and shows no message: what can fail
// returns a Result whose Failure the caller words. It speaks FreeImage's
// values and types, so it stays within imageio (and the tests of imageio):
// the layers above use write_picture.h, resample.h and picture_files.h.
#pragma once
#include <FreeImage.h>

#include <cstdint>
#include <string>

#include "core/failure.h"
#include "core/picture_surface.h"
#include "imageio/decode_result.h"

namespace pixmora {

// An optional size: absent, a whole number of pixels, or a floating scale factor.
struct SizeArg {
  enum class Kind { Absent, Whole, Floating };
  Kind kind = Kind::Absent;
  double value = 0;
  static SizeArg Whole(int32_t v) { return {Kind::Whole, static_cast<double>(v)}; }
  static SizeArg Floating(double v) { return {Kind::Floating, v}; }
};

// Thin predicates: exactly 1 from FreeImage means true.
bool HasPixels(FIBITMAP* bitmap);
bool SupportsReading(int format);

// A failure names the file and why: the system's reason when it cannot be
// opened or read, "not a picture" when no decoder knows its bytes, "damaged",
// or a size the program refuses. The bitmap is the caller's to unload.
Result<FIBITMAP*> LoadImageFile(const std::string& fileName, int flags, SizeArg width, SizeArg height,
                                bool inPercent, int filter, int* format);
// At the file's own size, note (when given) receives what the user should
// know of a picture that did open: that the file was cut short, or nothing.
Result<Picture> LoadImageAsPicture(const std::string& fileName, int flags, SizeArg width,
                                   SizeArg height, bool inPercent, int filter, int* format,
                                   std::string* note = nullptr);
// The picture of the decoder's answer for fileName, with its format and note;
// empty when the pixels went to a row receiver.
Result<Picture> DecodedPicture(DecodeResult decoded, const std::string& fileName, int* format,
                               std::string* note);
// Fails (a usage error) for a bitmap without pixels or a size out of range.
Result<FIBITMAP*> RescaleImage(FIBITMAP* bitmap, SizeArg width, SizeArg height, bool inPercent,
                               bool unloadSource, int filter, bool forceNew);
// A surface-ready picture with the bitmap's pixels and transparency (null
// for a null bitmap). Fails for a bitmap without pixels or one whose pixels
// have no colours.
Result<Picture> ImageToPicture(FIBITMAP* bitmap, bool unloadSource);

bool ExtensionMatchesFormat(int format, const std::string& fileName, bool caseSensitive);
std::string FormatPrimaryExtension(int format);
std::string FormatName(int format);
// A resolution in dots an inch as the dots a metre FreeImage keeps.
uint32_t DotsPerMeterOfDpi(int32_t dpi);
void SetImageDpiX(FIBITMAP* bitmap, int32_t dpi);
void SetImageDpiY(FIBITMAP* bitmap, int32_t dpi);

// FreeImage_Save behind a thin wrapper. The file is written beside the target
// under a temporary name and renamed over it only when complete, so a failure
// (a full disk, a read-only folder) leaves any old file as it was.
Status SaveBitmap(int format, FIBITMAP* bitmap, const std::string& fileName, int flags);
// FreeImage_Load with the format given (no detection), 0 when it fails.
FIBITMAP* LoadBitmap(int format, const std::string& fileName, int flags);

// What FreeImage or the TIFF library last said.
std::string LastFileLayerMessage();

}  // namespace pixmora
