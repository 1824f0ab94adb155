#include "imageio/bmp_header_fix.h"

#include <cstring>

namespace pixmora {

namespace {

constexpr size_t kFileHeader = 14, kClassicInfo = 40;
constexpr uint32_t kBitFields = 3, kAlphaBitFields = 6;

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

void Write32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace

std::vector<uint8_t> WithClassicBmpHeader(const std::vector<uint8_t>& file) {
  if (file.size() < kFileHeader + 4 || file[0] != 'B' || file[1] != 'M') return {};
  const uint32_t infoSize = Read32(file, kFileHeader);
  if (infoSize != 52 && infoSize != 56 && infoSize != 108 && infoSize != 124) return {};
  if (file.size() < kFileHeader + infoSize) return {};
  uint32_t compression = Read32(file, kFileHeader + 16);
  const bool masks = compression == kBitFields || compression == kAlphaBitFields;
  const size_t maskBytes = masks ? 12 : 0;
  std::vector<uint8_t> out;
  out.reserve(file.size());
  out.insert(out.end(), file.begin(), file.begin() + kFileHeader + kClassicInfo);
  // The red, green and blue masks sit right after the classic fields in the newer headers.
  out.insert(out.end(), file.begin() + kFileHeader + kClassicInfo,
             file.begin() + kFileHeader + kClassicInfo + maskBytes);
  out.insert(out.end(), file.begin() + kFileHeader + infoSize, file.end());
  Write32(out, kFileHeader, kClassicInfo);
  if (compression == kAlphaBitFields) Write32(out, kFileHeader + 16, kBitFields);
  const uint32_t removed = infoSize - kClassicInfo - static_cast<uint32_t>(maskBytes);
  Write32(out, 2, static_cast<uint32_t>(out.size()));
  const uint32_t offBits = Read32(file, 10);
  Write32(out, 10, offBits > removed ? offBits - removed : offBits);
  return out;
}

}  // namespace pixmora
