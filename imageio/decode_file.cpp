#include "imageio/decode_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <vector>

#include "imageio/bmp_header_fix.h"
#include "imageio/claimed_size.h"
#include "imageio/freeimage_session.h"
#include "imageio/held_pixels.h"
#include "imageio/jpeg_rows.h"
#include "imageio/mfreeimage.h"

namespace pixmora {

namespace {

bool ReadBytes(const std::string& path, size_t limit, std::vector<uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return bytes.size() <= limit;
}

FIBITMAP* LoadNewerBmp(const std::string& path, int flags) {
  std::vector<uint8_t> bytes;
  if (!ReadBytes(path, size_t{1} << 32, bytes)) return nullptr;
  std::vector<uint8_t> classic = WithClassicBmpHeader(bytes);
  if (classic.empty()) return nullptr;
  FIMEMORY* memory = FreeImage_OpenMemory(classic.data(), static_cast<DWORD>(classic.size()));
  FIBITMAP* bitmap = FreeImage_LoadFromMemory(FIF_BMP, memory, flags);
  FreeImage_CloseMemory(memory);
  return bitmap;
}

// The system's reason when the file cannot be read at all: it cannot be
// opened, is a folder, or its first byte does not come.
Status Readable(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::unexpected(CannotRead(path, errno));
  char byte;
  const bool read = ::read(fd, &byte, 1) >= 0;
  const int code = errno;
  close(fd);
  if (!read) return std::unexpected(CannotRead(path, code));
  return {};
}

// The claimed picture is refused before decoding when a side is out of
// range, when the file cannot hold that many pixels (a damaged file) or when
// memory leaves no room for it.
Status Accepted(const std::string& path, const Claim& claim, int64_t pixelBudget) {
  Status accepted = CheckSides(claim.width, claim.height);
  if (accepted) accepted = CheckHeld(path, claim);
  if (accepted) accepted = CheckSize(claim.width, claim.height, pixelBudget);
  if (accepted) return {};
  return std::unexpected(CannotRead(path, accepted.error().why));
}

// Older writers leave the fourth bytes of a 32-bit BMP 0, unused: then they
// are no alpha, and the picture is opaque.
void OpaqueWhenAlphaUnused(FIBITMAP* bitmap) {
  if (FreeImage_GetImageType(bitmap) != FIT_BITMAP || FreeImage_GetBPP(bitmap) != 32) return;
  const unsigned w = FreeImage_GetWidth(bitmap), h = FreeImage_GetHeight(bitmap);
  for (unsigned y = 0; y < h; ++y)
    for (unsigned x = 0; x < w; ++x)
      if (FreeImage_GetScanLine(bitmap, y)[x * 4 + FI_RGBA_ALPHA] != 0) return;
  for (unsigned y = 0; y < h; ++y)
    for (unsigned x = 0; x < w; ++x) FreeImage_GetScanLine(bitmap, y)[x * 4 + FI_RGBA_ALPHA] = 255;
}

// FreeImage's JPEG reader fills what a file cut short lacks with grey and
// succeeds, after the JPEG library's warning.
bool CutShort(int format) {
  return format == FIF_JPEG && LastFileLayerMessage() == "Premature end of JPEG file";
}

// The decoded picture's real size, held to the memory left as the claimed one was.
Status Fits(const std::string& path, int64_t width, int64_t height, int64_t pixelBudget) {
  if (const Status fits = CheckSize(width, height, pixelBudget); !fits)
    return std::unexpected(CannotRead(path, fits.error().why));
  return {};
}

}  // namespace

DecodeResult DecodeFile(const std::string& path, int flags, const SizeKnown& sizeKnown,
                        int64_t pixelBudget) {
  if (Status readable = Readable(path); !readable) return std::unexpected(readable.error());
  EnsureFreeImage();
  const int format = FreeImage_GetFileType(path.c_str(), 0);
  if (format == FIF_UNKNOWN) return std::unexpected(CannotRead(path, "not a picture"));
  if (!SupportsReading(format))
    return std::unexpected(CannotRead(path, "pictures in " + FormatName(format) + " cannot be read"));
  if (const std::optional<Claim> claim = ClaimedPicture(path, format)) {
    if (Status accepted = Accepted(path, *claim, pixelBudget); !accepted)
      return std::unexpected(accepted.error());
    if (sizeKnown) sizeKnown(claim->width, claim->height);
  }
  // FreeImage reads JPEG files this way when given no flags.
  if (format == FIF_JPEG && flags == 0)
    if (std::shared_ptr<JpegRows> rows = JpegRows::Open(path)) {
      if (Status fits = Fits(path, rows->Width(), rows->Height(), pixelBudget); !fits)
        return std::unexpected(fits.error());
      return Decoded{FIF_JPEG, nullptr, nullptr, std::move(rows), ""};
    }
  RememberMessage("");
  // An icon's mask is its transparency.
  if (format == FIF_ICO) flags |= ICO_MAKEALPHA;
  Bitmap bitmap(FreeImage_Load(static_cast<FREE_IMAGE_FORMAT>(format), path.c_str(), flags));
  if (!bitmap && format == FIF_BMP) bitmap.reset(LoadNewerBmp(path, flags));
  // FreeImage's own words name no cause a user could act on.
  if (!bitmap) return std::unexpected(CannotRead(path, kDamaged));
  if (format == FIF_BMP) OpaqueWhenAlphaUnused(bitmap.get());
  if (Status fits = Fits(path, FreeImage_GetWidth(bitmap.get()), FreeImage_GetHeight(bitmap.get()), pixelBudget);
      !fits)
    return std::unexpected(fits.error());
  return Decoded{format, std::move(bitmap), nullptr, nullptr, CutShort(format) ? kTruncatedNote : ""};
}

}  // namespace pixmora
