#include "tests/support/hostile_files.h"

#include <cstdint>

#include "imageio/mfreeimage.h"
#include "tests/support/file_bytes.h"

namespace pixmora::test {

namespace {

uint32_t Step(uint32_t& s) {
  s ^= s << 13, s ^= s >> 17, s ^= s << 5;
  return s;
}

}  // namespace

std::vector<std::string> WriteHostileFiles(const std::string& folder) {
  FIBITMAP* colour = VariedBitmap(48, 32);
  FIBITMAP* palette = FreeImage_ColorQuantize(colour, FIQ_WUQUANT);
  FIBITMAP* rgba = FreeImage_ConvertTo32Bits(colour);
  FIBITMAP* icon = FreeImage_Rescale(rgba, 32, 32, FILTER_BOX);  // icons are square
  const struct {
    const char* name;
    int format;
    FIBITMAP* bitmap;
    int flags;
  } seeds[] = {{"bmp", FIF_BMP, colour, 0},     {"png", FIF_PNG, colour, 0},
               {"jpg", FIF_JPEG, colour, 0},    {"pjpg", FIF_JPEG, colour, JPEG_PROGRESSIVE},
               {"tif", FIF_TIFF, colour, 0},    {"gif", FIF_GIF, palette, 0},
               {"ico", FIF_ICO, icon, 0},       {"tga", FIF_TARGA, rgba, 0},
               {"rle.bmp", FIF_BMP, palette, BMP_SAVE_RLE}};
  std::vector<std::string> paths;
  auto add = [&](const std::string& name, const Bytes& b) {
    paths.push_back(folder + name);
    WriteFile(paths.back(), b);
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
  for (FIBITMAP* b : {colour, palette, rgba, icon}) FreeImage_Unload(b);
  return paths;
}

}  // namespace pixmora::test
