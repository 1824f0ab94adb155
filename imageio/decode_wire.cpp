#include "imageio/decode_wire.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace pixmora {

namespace {

bool WriteAll(int fd, const void* data, size_t size) {
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t n = write(fd, p, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n, size -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

bool WriteDecodeSize(int fd, int64_t width, int64_t height) {
  WireSize size{};
  std::memcpy(size.magic, kSizeMagic, sizeof size.magic);
  size.width = width, size.height = height;
  return WriteAll(fd, &size, sizeof size);
}

bool WriteDecodeResult(int fd, const DecodeResult& result) {
  WireHeader h{};
  std::memcpy(h.magic, kWireMagic, sizeof h.magic);
  std::strncpy(h.message, (result ? result->note : result.error().why).c_str(), sizeof h.message - 1);
  if (!result) {
    h.failed = 1 + static_cast<int32_t>(result.error().kind);
    h.code = result.error().code;
    return WriteAll(fd, &h, sizeof h);
  }
  h.format = result->format;
  FIBITMAP* b = result->bitmap.get();
  if (b) {
    h.type = FreeImage_GetImageType(b);
    h.width = static_cast<int32_t>(FreeImage_GetWidth(b));
    h.height = static_cast<int32_t>(FreeImage_GetHeight(b));
    h.bpp = static_cast<int32_t>(FreeImage_GetBPP(b));
    h.redMask = FreeImage_GetRedMask(b), h.greenMask = FreeImage_GetGreenMask(b);
    h.blueMask = FreeImage_GetBlueMask(b);
    h.colours = FreeImage_GetPalette(b) ? FreeImage_GetColorsUsed(b) : 0;
    h.transparent = FreeImage_IsTransparent(b);
    h.transparentColours = h.colours ? FreeImage_GetTransparencyCount(b) : 0;
    h.dotsPerMeterX = FreeImage_GetDotsPerMeterX(b), h.dotsPerMeterY = FreeImage_GetDotsPerMeterY(b);
    h.pitch = FreeImage_GetPitch(b);
    h.bitsBytes = uint64_t{h.pitch} * static_cast<uint64_t>(h.height);
  }
  if (!WriteAll(fd, &h, sizeof h)) return false;
  if (!b) return true;
  if (h.colours && !WriteAll(fd, FreeImage_GetPalette(b), h.colours * sizeof(RGBQUAD))) return false;
  if (h.transparentColours && !WriteAll(fd, FreeImage_GetTransparencyTable(b), h.transparentColours))
    return false;
  return WriteAll(fd, FreeImage_GetBits(b), h.bitsBytes);
}

}  // namespace pixmora
