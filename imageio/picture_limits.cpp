#include "imageio/picture_limits.h"

#include <unistd.h>

namespace pixmora {

int64_t PixelBudget() {
  const int64_t pages = sysconf(_SC_PHYS_PAGES), pageSize = sysconf(_SC_PAGESIZE);
  if (pages <= 0 || pageSize <= 0) return int64_t{kMaxSide} * kMaxSide;
  return pages * pageSize / kBytesPerPixel;
}

std::string SizeProblem(int64_t width, int64_t height) {
  const std::string size = std::to_string(width) + " x " + std::to_string(height) + " pixels";
  if (width < 1 || height < 1) return "the picture claims " + size;
  if (width > kMaxSide || height > kMaxSide)
    return size + " is larger than " + std::to_string(kMaxSide) + " pixels a side";
  if (width * height > PixelBudget()) return size + " is more than this computer's memory holds";
  return "";
}

}  // namespace pixmora
