#include "tests/support/overclaiming_files.h"

#include <algorithm>

#include "imageio/mfreeimage.h"
#include "tests/support/file_bytes.h"

namespace pixmora::test {

namespace {

constexpr uint32_t kSide = 20000;  // 400 megapixels claimed by files of a few kilobytes

// Packets of 128 purple (or white) pixels each, after the 18-byte header.
Bytes RleTga(uint8_t type, uint16_t w, uint16_t h, uint8_t depth, size_t total) {
  Bytes b = {0, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  Add16(b, w), Add16(b, h);
  b.push_back(depth), b.push_back(depth == 32 ? 8 : 0);
  const uint8_t purple[4] = {0xFF, 0x00, 0xFF, 0xFF};
  while (b.size() < total) {
    b.push_back(0xFF);
    b.insert(b.end(), purple, purple + depth / 8);
  }
  b.resize(total);
  return b;
}

// Runs of 255 pixels and no end-of-picture mark: the data covers a few
// thousand pixels.
Bytes RleBmp(uint16_t bpp, uint32_t w, uint32_t h) {
  const uint32_t colours = 1u << bpp, dataAt = 14 + 40 + 4 * colours;
  Bytes runs;
  for (int i = 0; i < 64; ++i) runs.push_back(0xFF), runs.push_back(0x12);
  Bytes b = {'B', 'M'};
  Add32(b, dataAt + runs.size()), Add32(b, 0), Add32(b, dataAt);
  Add32(b, 40), Add32(b, w), Add32(b, h), Add16(b, 1), Add16(b, bpp);
  Add32(b, bpp == 8 ? 1 : 2), Add32(b, runs.size()), Add32(b, 2835), Add32(b, 2835);
  Add32(b, colours), Add32(b, 0);
  for (uint32_t i = 0; i < colours; ++i) Add32(b, (255 / (colours - 1)) * i * 0x010101u);
  b.insert(b.end(), runs.begin(), runs.end());
  return b;
}

// A two-colour GIF whose screen and only frame claim w x h, with LZW data
// for a few hundred pixels.
Bytes Gif(uint16_t w, uint16_t h) {
  Bytes b = {'G', 'I', 'F', '8', '9', 'a'};
  Add16(b, w), Add16(b, h);
  b.insert(b.end(), {0x80, 0, 0, 0, 0, 0, 255, 255, 255, 0x2C, 0, 0, 0, 0});
  Add16(b, w), Add16(b, h);
  b.insert(b.end(), {0, 2, 64, 0x04});  // code size 2, one block: a clear code, then colour 0
  b.resize(b.size() + 63, 0);
  b.insert(b.end(), {0, 0x3B});
  return b;
}

// An 8-bit grey TIFF whose strips (one) or tiles all point at the same chunk.
Bytes Tiff(uint32_t w, uint32_t h, uint16_t compression, uint32_t tile, const Bytes& chunk) {
  const uint32_t pieces = tile ? ((w + tile - 1) / tile) * ((h + tile - 1) / tile) : 1;
  struct Entry {
    uint16_t tag, type;
    uint32_t count, value;
  };
  std::vector<Entry> entries = {{256, 4, 1, w}, {257, 4, 1, h}, {258, 3, 1, 8},
                                {259, 3, 1, compression}, {262, 3, 1, 1}, {277, 3, 1, 1}};
  if (tile) entries.insert(entries.end(), {{322, 4, 1, tile}, {323, 4, 1, tile}});
  else entries.push_back({278, 4, 1, h});
  const uint32_t tables = 8 + 2 + 12 * static_cast<uint32_t>(entries.size() + 2) + 4;
  const uint32_t data = pieces > 1 ? tables + 8 * pieces : tables;
  const uint32_t size = static_cast<uint32_t>(chunk.size());
  entries.push_back({static_cast<uint16_t>(tile ? 324 : 273), 4, pieces, pieces > 1 ? tables : data});
  entries.push_back({static_cast<uint16_t>(tile ? 325 : 279), 4, pieces, pieces > 1 ? tables + 4 * pieces : size});
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.tag < b.tag; });
  Bytes b = {'I', 'I', 42, 0, 8, 0, 0, 0};
  Add16(b, static_cast<uint16_t>(entries.size()));
  for (const Entry& e : entries) Add16(b, e.tag), Add16(b, e.type), Add32(b, e.count), Add32(b, e.value);
  Add32(b, 0);
  for (uint32_t i = 0; pieces > 1 && i < pieces; ++i) Add32(b, data);
  for (uint32_t i = 0; pieces > 1 && i < pieces; ++i) Add32(b, size);
  b.insert(b.end(), chunk.begin(), chunk.end());
  return b;
}

// An RGB PSD whose merged picture is stored raw: 64 bytes of it.
Bytes Psd(uint32_t w, uint32_t h) {
  Bytes b = {'8', 'B', 'P', 'S', 0, 1, 0, 0, 0, 0, 0, 0, 0, 3};
  Add32BigEndian(b, h), Add32BigEndian(b, w);
  b.insert(b.end(), {0, 8, 0, 3});
  for (int section = 0; section < 3; ++section) Add32BigEndian(b, 0);  // no colours, resources, layers
  Add16BigEndian(b, 0);
  b.resize(b.size() + 64, 0x80);
  return b;
}

Bytes Claiming(FIBITMAP* bitmap, int format, int flags, uint32_t w, uint32_t h) {
  Bytes b = Encoded(bitmap, format, flags);
  ClaimSize(b, format, w, h);
  return b;
}

}  // namespace

std::vector<std::string> WriteOverclaimingFiles(const std::string& folder) {
  FIBITMAP* colour = VariedBitmap(48, 32);
  FIBITMAP* icon = VariedBitmap(32, 32);  // icons are square
  FIBITMAP* rgba = FreeImage_ConvertTo32Bits(icon);
  const Bytes raw(64, 0x7F), lzw = {0x80, 0x00, 0, 0, 0, 0, 0, 0}, packBits = {0x81, 0x7F, 0x81, 0x7F};
  const std::pair<const char*, Bytes> files[] = {
      {"claim-rle32.tga", RleTga(10, 22627, 26435, 32, 69)},
      {"claim-rle8.tga", RleTga(11, kSide, kSide, 8, 256)},
      {"claim-rle8.bmp", RleBmp(8, kSide, kSide)},
      {"claim-rle4.bmp", RleBmp(4, kSide, kSide)},
      {"claim.png", Claiming(colour, FIF_PNG, 0, kSide, kSide)},
      {"claim.gif", Gif(kSide, kSide)},
      {"claim-strip.tif", Tiff(kSide, kSide, 1, 0, raw)},
      {"claim-lzw.tif", Tiff(kSide, kSide, 5, 0, lzw)},
      {"claim-tiles.tif", Tiff(kSide, kSide, 32773, 1024, packBits)},
      {"claim.jpg", Claiming(colour, FIF_JPEG, 0, kSide, kSide)},
      {"claim-progressive.jpg", Claiming(colour, FIF_JPEG, JPEG_PROGRESSIVE, kSide, kSide)},
      {"claim.psd", Psd(kSide, kSide)},
      {"claim.ico", Claiming(rgba, FIF_ICO, 0, kSide, 2 * kSide)},  // the icon's height counts its mask
  };
  std::vector<std::string> paths;
  for (const auto& [name, bytes] : files) {
    paths.push_back(folder + name);
    WriteFile(paths.back(), bytes);
  }
  for (FIBITMAP* b : {colour, icon, rgba}) FreeImage_Unload(b);
  return paths;
}

}  // namespace pixmora::test
