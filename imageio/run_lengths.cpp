#include "imageio/run_lengths.h"

#include <algorithm>
#include <fstream>

namespace pixmora {

namespace {

std::ifstream OpenAt(const std::string& path, int64_t offset) {
  std::ifstream in(path, std::ios::binary);
  in.seekg(offset);
  return in;
}

// Skips count bytes; false when the file ends first.
bool Skip(std::ifstream& in, int64_t count) {
  in.ignore(count);
  return in.gcount() == count;
}

}  // namespace

int64_t BmpRunCoverage(const std::string& path, int64_t offset, int bitsPerPixel, int64_t width,
                       int64_t height) {
  std::ifstream in = OpenAt(path, offset);
  const int64_t all = width * height;
  int64_t x = 0, y = 0;
  for (int count, code; y < height && (count = in.get()) != EOF && (code = in.get()) != EOF;) {
    if (count > 0) {
      x += count;  // a run of one value (two, alternating, in RLE4)
    } else if (code == 0) {
      x = 0, ++y;  // end of line
    } else if (code == 1) {
      return all;  // end of picture: the rest is left as it is
    } else if (code == 2) {
      const int dx = in.get(), dy = in.get();
      if (dy == EOF) break;
      x += dx, y += dy;
    } else {  // code pixels stored as they are, padded to 16 bits
      const int64_t bytes = bitsPerPixel == 8 ? code : (code + 1) / 2;
      if (!Skip(in, bytes + (bytes & 1))) break;
      x += code;
    }
  }
  return std::min(all, y * width + x);
}

int64_t TgaRunCoverage(const std::string& path, int64_t offset, int pixelBytes, int64_t pixels) {
  std::ifstream in = OpenAt(path, offset);
  int64_t covered = 0;
  for (int packet; covered < pixels && (packet = in.get()) != EOF;) {
    const int count = (packet & 0x7F) + 1;
    // A run packet holds one pixel value, a raw packet count of them.
    if (!Skip(in, int64_t{packet & 0x80 ? 1 : count} * pixelBytes)) break;
    covered += count;
  }
  return std::min(covered, pixels);
}

}  // namespace pixmora
