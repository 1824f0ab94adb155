#include "imageio/png_writer.h"

#include <FreeImage.h>
#include <libdeflate.h>

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "core/large_array.h"
#include "imageio/row_exchange.h"

namespace pixmora {

namespace {

// Chosen by measurement on photographs: files no larger than the usual
// writers' at their defaults, several times sooner.
constexpr int kDefaultLevel = 2;
constexpr uint8_t kFilterUp = 2;
constexpr size_t kChunkBytes = 1 << 20;  // IDAT chunks of a megabyte

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

bool WriteChunk(FILE* stream, const char* type, const uint8_t* data, size_t size) {
  std::vector<uint8_t> head;
  Put32(head, static_cast<uint32_t>(size));
  head.insert(head.end(), type, type + 4);
  uint32_t crc = libdeflate_crc32(0, type, 4);
  // (libdeflate starts afresh when handed no data at all.)
  if (size > 0) crc = libdeflate_crc32(crc, data, size);
  std::vector<uint8_t> tail;
  Put32(tail, crc);
  return std::fwrite(head.data(), 1, head.size(), stream) == head.size() &&
         (size == 0 || std::fwrite(data, 1, size, stream) == size) &&
         std::fwrite(tail.data(), 1, tail.size(), stream) == tail.size();
}

// The rows as PNG stores them before deflating: a filter byte, then each
// byte less the one above it, red, green, blue (and alpha).
LargeArray<uint8_t> FilteredRows(int width, int height, int channels, const RowSource& source) {
  const size_t stride = static_cast<size_t>(width) * channels;
  LargeArray<uint8_t> filtered = MakeLargeArray<uint8_t>((stride + 1) * height);
  std::vector<uint8_t> band(stride * (kRowBand + 1), 0);  // row 0: the row above the band
  for (int y0 = 0; y0 < height; y0 += kRowBand) {
    const int count = std::min(height - y0, kRowBand);
    uint8_t* rows[kRowBand];
    for (int i = 0; i < count; ++i) rows[i] = band.data() + stride * (i + 1);
    source(y0, count, rows);
    for (int i = 0; i < count; ++i) {
      const uint8_t* above = band.data() + stride * i;
      const uint8_t* row = rows[i];
      uint8_t* out = filtered.get() + (stride + 1) * (y0 + i);
      *out++ = kFilterUp;
      for (size_t x = 0; x < stride; x += channels) {
        out[x] = static_cast<uint8_t>(row[x + 2] - above[x + 2]);
        out[x + 1] = static_cast<uint8_t>(row[x + 1] - above[x + 1]);
        out[x + 2] = static_cast<uint8_t>(row[x] - above[x]);
        if (channels == 4) out[x + 3] = static_cast<uint8_t>(row[x + 3] - above[x + 3]);
      }
    }
    std::copy_n(band.data() + stride * count, stride, band.data());
  }
  return filtered;
}

}  // namespace

int PngLevel(int flags) {
  switch (flags & 0x0F) {
    case PNG_Z_BEST_SPEED: return 1;
    case PNG_Z_BEST_COMPRESSION: return 9;
    default: return kDefaultLevel;
  }
}

bool WritePng(int width, int height, bool alpha, const RowSource& rows, FILE* stream, int level,
              uint32_t dotsPerMeter) {
  const int channels = alpha ? 4 : 3;
  const size_t raw = (static_cast<size_t>(width) * channels + 1) * height;
  std::unique_ptr<libdeflate_compressor, decltype(&libdeflate_free_compressor)> compressor(
      libdeflate_alloc_compressor(level), libdeflate_free_compressor);
  if (!compressor) return false;
  LargeArray<uint8_t> deflated;
  size_t size = 0;
  {
    const LargeArray<uint8_t> filtered = FilteredRows(width, height, channels, rows);
    const size_t bound = libdeflate_zlib_compress_bound(compressor.get(), raw);
    deflated = MakeLargeArray<uint8_t>(bound);
    size = libdeflate_zlib_compress(compressor.get(), filtered.get(), raw, deflated.get(), bound);
  }
  if (size == 0) return false;
  static const uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  Put32(header, static_cast<uint32_t>(width));
  Put32(header, static_cast<uint32_t>(height));
  // 8 bits, colour (with alpha), deflate, filters, progressive
  header.insert(header.end(), {8, static_cast<uint8_t>(alpha ? 6 : 2), 0, 0, 0});
  std::vector<uint8_t> resolution;
  Put32(resolution, dotsPerMeter);
  Put32(resolution, dotsPerMeter);
  resolution.push_back(1);  // metres
  if (std::fwrite(kSignature, 1, sizeof kSignature, stream) != sizeof kSignature ||
      !WriteChunk(stream, "IHDR", header.data(), header.size()) ||
      (dotsPerMeter != 0 && !WriteChunk(stream, "pHYs", resolution.data(), resolution.size())))
    return false;
  for (size_t at = 0; at < size; at += kChunkBytes)
    if (!WriteChunk(stream, "IDAT", deflated.get() + at, std::min(kChunkBytes, size - at))) return false;
  return WriteChunk(stream, "IEND", nullptr, 0);
}

}  // namespace pixmora
