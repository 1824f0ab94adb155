#include "imageio/bmp_writer.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "imageio/row_exchange.h"

namespace pixmora {

namespace {

constexpr uint32_t kHeadersSize = 14 + 40;
constexpr uint32_t kDotsPerMeter = 2835;  // 72 dots an inch, FreeImage's default

void Put16(uint8_t*& p, uint32_t v) {
  for (int i = 0; i < 2; ++i) *p++ = static_cast<uint8_t>(v >> (8 * i));
}
void Put32(uint8_t*& p, uint32_t v) {
  for (int i = 0; i < 4; ++i) *p++ = static_cast<uint8_t>(v >> (8 * i));
}

// The file header and the 40-byte info header.
std::vector<uint8_t> Headers(int width, int height, uint32_t pitch, uint32_t bits) {
  std::vector<uint8_t> bytes(kHeadersSize);
  uint8_t* p = bytes.data();
  const uint32_t imageSize = pitch * static_cast<uint32_t>(height);
  *p++ = 'B', *p++ = 'M';
  Put32(p, kHeadersSize + imageSize);
  Put32(p, 0);
  Put32(p, kHeadersSize);
  Put32(p, 40);
  Put32(p, static_cast<uint32_t>(width));
  Put32(p, static_cast<uint32_t>(height));
  Put16(p, 1);
  Put16(p, bits);
  Put32(p, 0);  // no compression, and so (as FreeImage writes it) no image size
  Put32(p, 0);
  Put32(p, kDotsPerMeter);
  Put32(p, kDotsPerMeter);
  Put32(p, 0);
  Put32(p, 0);
  return bytes;
}

}  // namespace

bool WriteBmp(const PixelBuffer& picture, bool alpha, FILE* stream) {
  const int w = picture.Width(), h = picture.Height();
  const uint32_t bytes = alpha ? 4 : 3;
  const uint32_t pitch = (static_cast<uint32_t>(w) * bytes + 3) & ~3u;
  const std::vector<uint8_t> headers = Headers(w, h, pitch, bytes * 8);
  if (std::fwrite(headers.data(), 1, headers.size(), stream) != headers.size()) return false;
  // Rows go bottom-up: each band is the next kRowBand rows from the bottom,
  // laid out in file order; the padding bytes stay 0.
  std::vector<uint8_t> band(pitch * kRowBand, 0);
  for (int written = 0; written < h; written += kRowBand) {
    const int count = std::min(h - written, kRowBand);
    uint8_t* rows[kRowBand];
    for (int i = 0; i < count; ++i) rows[i] = band.data() + (count - 1 - i) * pitch;
    if (alpha) ColumnsToRowsWithAlpha(picture, h - written - count, count, rows);
    else ColumnsToRows(picture, h - written - count, count, rows);
    const size_t bytes = pitch * static_cast<size_t>(count);
    if (std::fwrite(band.data(), 1, bytes, stream) != bytes) return false;
  }
  return true;
}

}  // namespace pixmora
