#include "tests/support/file_bytes.h"

#include <fstream>

#include "imageio/mfreeimage.h"
#include "tests/support/picture_files.h"
#include "tests/support/test_pictures.h"

namespace pixmora::test {

FIBITMAP* VariedBitmap(int width, int height) { return BitmapOf(Varied(width, height)).release(); }

Bytes Encoded(FIBITMAP* bitmap, int format, int flags) {
  FIMEMORY* memory = FreeImage_OpenMemory();
  Bytes bytes;
  if (FreeImage_SaveToMemory(static_cast<FREE_IMAGE_FORMAT>(format), bitmap, memory, flags)) {
    BYTE* data = nullptr;
    DWORD size = 0;
    FreeImage_AcquireMemory(memory, &data, &size);
    bytes.assign(data, data + size);
  }
  FreeImage_CloseMemory(memory);
  return bytes;
}

void Put16(Bytes& b, size_t at, uint16_t v) {
  for (int i = 0; i < 2 && at + i < b.size(); ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
void Put32(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4 && at + i < b.size(); ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
void Put32BigEndian(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4 && at + i < b.size(); ++i) b[at + i] = static_cast<uint8_t>(v >> (24 - 8 * i));
}

void Add16(Bytes& b, uint16_t v) { b.resize(b.size() + 2), Put16(b, b.size() - 2, v); }
void Add32(Bytes& b, uint32_t v) { b.resize(b.size() + 4), Put32(b, b.size() - 4, v); }
void Add16BigEndian(Bytes& b, uint16_t v) { b.push_back(v >> 8), b.push_back(v & 0xFF); }
void Add32BigEndian(Bytes& b, uint32_t v) { b.resize(b.size() + 4), Put32BigEndian(b, b.size() - 4, v); }

namespace {

uint32_t Crc32(const uint8_t* p, size_t n) {
  uint32_t c = 0xFFFFFFFF;
  for (size_t i = 0; i < n; ++i) {
    c ^= p[i];
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
  }
  return ~c;
}

uint32_t Get32(const Bytes& b, size_t at) {
  return at + 4 > b.size() ? 0 : b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t{b[at + 3]} << 24;
}

}  // namespace

void ClaimSize(Bytes& b, int format, uint32_t w, uint32_t h) {
  switch (format) {
    case FIF_BMP: Put32(b, 18, w), Put32(b, 22, h); break;
    case FIF_PNG:  // IHDR and its checksum
      Put32BigEndian(b, 16, w), Put32BigEndian(b, 20, h);
      if (b.size() > 33) Put32BigEndian(b, 29, Crc32(b.data() + 12, 17));
      break;
    case FIF_GIF: Put16(b, 6, w), Put16(b, 8, h); break;
    case FIF_TARGA: Put16(b, 12, w), Put16(b, 14, h); break;
    case FIF_ICO: Put16(b, 6, 0), Put32(b, 6 + 16 + 4, w), Put32(b, 6 + 16 + 8, h); break;  // entry, then its header
    case FIF_JPEG:
      for (size_t i = 2; i + 9 < b.size(); ++i)
        if (b[i] == 0xFF && (b[i + 1] == 0xC0 || b[i + 1] == 0xC2)) {
          b[i + 5] = h >> 8, b[i + 6] = h & 0xFF, b[i + 7] = w >> 8, b[i + 8] = w & 0xFF;
          break;
        }
      break;
    case FIF_TIFF: {  // the first two entries of the first directory, made 32-bit
      const size_t ifd = Get32(b, 4);
      for (size_t i = 0; i < 2; ++i) Put16(b, ifd + 4 + 12 * i, 4), Put32(b, ifd + 10 + 12 * i, i ? h : w);
      break;
    }
  }
}

void WriteFile(const std::string& path, const Bytes& b) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), b.size());
}

}  // namespace pixmora::test
