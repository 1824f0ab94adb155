#include "imageio/claimed_size.h"

#include <FreeImage.h>

#include <fstream>

#include "imageio/bitmap.h"
#include "imageio/file_head.h"

namespace pixmora {

namespace {

// The first picture's own size, from its descriptor after the screen, its
// colour table and any extension blocks; the screen's when there is none.
std::optional<Claim> GifClaim(const std::string& path) {
  const FileHead head = ReadHead(path, size_t{1} << 16);
  if (head.bytes.size() < 10) return std::nullopt;
  size_t at = 13 + (head.At(10) & 0x80 ? 3u << ((head.At(10) & 7) + 1) : 0);
  while (head.At(at) == 0x21) {  // an extension: its label, then sized blocks to an empty one
    at += 2;
    while (head.At(at) != 0 && at < head.bytes.size()) at += 1 + head.At(at);
    ++at;
  }
  if (head.At(at) != 0x2C || at + 9 > head.bytes.size()) return Claim{FIF_GIF, head.Le16(6), head.Le16(8), 8};
  return Claim{FIF_GIF, head.Le16(at + 5), head.Le16(at + 7), 8};
}

// Read here, since FreeImage's header-only load knows only the oldest two of
// the info headers (a picture stored top-down gives a negative height).
std::optional<Claim> BmpClaim(const std::string& path) {
  const FileHead head = ReadHead(path, 30);
  if (head.bytes.size() < 30) return std::nullopt;
  if (head.Le32(14) == 12) return Claim{FIF_BMP, head.Le16(18), head.Le16(20), static_cast<int>(head.Le16(24))};
  const int64_t height = static_cast<int32_t>(head.Le32(22));
  return Claim{FIF_BMP, static_cast<int32_t>(head.Le32(18)), height < 0 ? -height : height,
               static_cast<int>(head.Le16(28))};
}

// Read here: FreeImage's header-only load of a progressive JPEG starts its
// decoder, which sets memory aside for the whole claimed picture. The size is
// in the first frame header, after segments of stated length.
std::optional<Claim> JpegClaim(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  in.seekg(2);
  uint8_t b[6];
  while (in.read(reinterpret_cast<char*>(b), 4) && b[0] == 0xFF) {
    const int marker = b[1];
    if (marker == 0xFF) {  // a fill byte before the marker
      in.seekg(-3, std::ios::cur);
      continue;
    }
    if (marker == 0xDA || marker == 0xD9) break;  // the pixels, or the end, came first
    const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) {
      if (!in.read(reinterpret_cast<char*>(b), 6)) break;
      return Claim{FIF_JPEG, b[3] << 8 | b[4], b[1] << 8 | b[2], 8 * b[5]};
    }
    in.seekg((b[2] << 8 | b[3]) - 2, std::ios::cur);
  }
  return std::nullopt;
}

}  // namespace

std::optional<Claim> ClaimedPicture(const std::string& path, int format) {
  if (format == FIF_GIF) return GifClaim(path);
  if (format == FIF_BMP) return BmpClaim(path);
  if (format == FIF_JPEG) return JpegClaim(path);
  const auto fif = static_cast<FREE_IMAGE_FORMAT>(format);
  if (!FreeImage_FIFSupportsNoPixels(fif)) return std::nullopt;
  const Bitmap header(FreeImage_Load(fif, path.c_str(), FIF_LOAD_NOPIXELS));
  if (!header) return std::nullopt;
  return Claim{format, FreeImage_GetWidth(header.get()), FreeImage_GetHeight(header.get()),
               static_cast<int>(FreeImage_GetBPP(header.get()))};
}

}  // namespace pixmora
