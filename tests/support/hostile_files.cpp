#include "tests/support/hostile_files.h"

#include <cstdint>
#include <fstream>
#include <iterator>

#include "imageio/mfreeimage.h"
#include "imageio/picture_bitmap.h"
#include "tests/support/test_pictures.h"

namespace pixmora::test {

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Encoded(FIBITMAP* bitmap, int format, int flags = 0) {
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

void Put32(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4 && at + i < b.size(); ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
void Put32BigEndian(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4 && at + i < b.size(); ++i) b[at + i] = static_cast<uint8_t>(v >> (24 - 8 * i));
}
void Put16(Bytes& b, size_t at, uint16_t v) {
  if (at + 1 < b.size()) b[at] = v & 0xFF, b[at + 1] = v >> 8;
}

// Header fields that claim a size, per format: the file claims w x h pixels.
void ClaimSize(Bytes& b, int format, uint32_t w, uint32_t h) {
  switch (format) {
    case FIF_BMP: Put32(b, 18, w), Put32(b, 22, h); break;
    case FIF_PNG: Put32BigEndian(b, 16, w), Put32BigEndian(b, 20, h); break;  // IHDR, CRC now wrong
    case FIF_GIF: Put16(b, 6, w), Put16(b, 8, h); break;
    case FIF_TARGA: Put16(b, 12, w), Put16(b, 14, h); break;
    case FIF_ICO: b[6] = 0, b[7] = 0; Put32(b, 6 + 16 + 4, w), Put32(b, 6 + 16 + 8, h); break;
    case FIF_JPEG:
      for (size_t i = 2; i + 9 < b.size(); ++i)
        if (b[i] == 0xFF && (b[i + 1] == 0xC0 || b[i + 1] == 0xC2)) {
          b[i + 5] = h >> 8, b[i + 6] = h & 0xFF, b[i + 7] = w >> 8, b[i + 8] = w & 0xFF;
          break;
        }
      break;
    case FIF_TIFF:  // the first entries of the first directory are width and length
      if (b.size() > 30) Put32(b, 8 + 2 + 8, w), Put32(b, 8 + 2 + 12 + 8, h);
      break;
  }
}

uint32_t Step(uint32_t& s) {
  s ^= s << 13, s ^= s >> 17, s ^= s << 5;
  return s;
}

void Write(const std::string& path, const Bytes& b) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), b.size());
}

}  // namespace

std::vector<std::string> WriteHostileFiles(const std::string& folder) {
  const PictureBitmap lent(*Varied(48, 32));
  FIBITMAP* colour = lent.Get();
  FIBITMAP* palette = FreeImage_ColorQuantize(colour, FIQ_WUQUANT);
  FIBITMAP* rgba = FreeImage_ConvertTo32Bits(colour);
  const struct {
    const char* name;
    int format;
    FIBITMAP* bitmap;
    int flags;
  } seeds[] = {{"bmp", FIF_BMP, colour, 0},     {"png", FIF_PNG, colour, 0},
               {"jpg", FIF_JPEG, colour, 0},    {"pjpg", FIF_JPEG, colour, JPEG_PROGRESSIVE},
               {"tif", FIF_TIFF, colour, 0},    {"gif", FIF_GIF, palette, 0},
               {"ico", FIF_ICO, rgba, 0},       {"tga", FIF_TARGA, rgba, 0},
               {"rle.bmp", FIF_BMP, palette, BMP_SAVE_RLE}};
  std::vector<std::string> paths;
  auto add = [&](const std::string& name, const Bytes& b) {
    paths.push_back(folder + name);
    Write(paths.back(), b);
  };
  uint32_t seed = 0x5EED1234;
  for (const auto& s : seeds) {
    const Bytes valid = Encoded(s.bitmap, s.format, s.flags);
    if (valid.empty()) continue;
    for (size_t cut : {size_t{1}, size_t{8}, size_t{20}, size_t{60}, valid.size() / 3,
                       valid.size() / 2, valid.size() - 1})
      add(std::string("cut") + std::to_string(cut) + "." + s.name, Bytes(valid.begin(), valid.begin() + std::min(cut, valid.size())));
    for (auto [w, h] : {std::pair{0xFFFFu, 0xFFFFu}, {40000u, 2u}, {0u, 0u}, {0x7FFFFFFFu, 1u},
                        {0xFFFFFFFFu, 0xFFFFFFFFu}}) {
      Bytes b = valid;
      ClaimSize(b, s.format, w, h);
      add("size" + std::to_string(w) + "x" + std::to_string(h) + "." + s.name, b);
    }
    for (int i = 0; i < 24; ++i) {
      Bytes b = valid;
      const int flips = 1 + static_cast<int>(Step(seed) % 8);
      for (int f = 0; f < flips; ++f) b[Step(seed) % b.size()] ^= static_cast<uint8_t>(1u << (Step(seed) % 8));
      add("flip" + std::to_string(i) + "." + s.name, b);
    }
  }
  add("empty.bmp", {});
  for (FIBITMAP* b : {palette, rgba}) FreeImage_Unload(b);
  return paths;
}

}  // namespace pixmora::test
