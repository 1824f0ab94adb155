#include "imageio/decode_wire.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "imageio/decode_file.h"
#include "imageio/jpeg_rows.h"
#include "imageio/row_exchange.h"

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

// The rows of a JPEG, decoded and sent a band at a time, then its note.
bool WriteRows(int fd, WireHeader& h, JpegRows& rows) {
  h.type = FIT_BITMAP;
  h.width = rows.Width(), h.height = rows.Height(), h.bpp = 32;
  h.dotsPerMeterX = rows.DotsPerMeterX(), h.dotsPerMeterY = rows.DotsPerMeterY();
  h.pitch = static_cast<uint32_t>(h.width) * 4;
  h.bitsBytes = uint64_t{h.pitch} * static_cast<uint64_t>(h.height);
  h.colourRows = 1;
  if (!WriteAll(fd, &h, sizeof h)) return false;
  std::vector<uint32_t> band(static_cast<size_t>(h.width) * kRowBand);
  for (int y0 = 0; y0 < h.height; y0 += kRowBand) {
    const int count = std::min(h.height - y0, kRowBand);
    uint32_t* pointers[kRowBand];
    for (int i = 0; i < count; ++i) pointers[i] = band.data() + static_cast<size_t>(h.width) * i;
    if (!rows.Read(pointers, count) || !WriteAll(fd, band.data(), size_t{h.pitch} * count)) return false;
  }
  WireEnd end{};
  std::memcpy(end.magic, kEndMagic, sizeof end.magic);
  if (rows.CutShort()) std::strncpy(end.note, kTruncatedNote, sizeof end.note - 1);
  return WriteAll(fd, &end, sizeof end);
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
  if (result->rows) return WriteRows(fd, h, *result->rows);
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
