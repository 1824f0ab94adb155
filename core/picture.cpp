#include "core/picture.h"

#include <algorithm>
#include <cstring>

namespace pixmora {

PixelBuffer::PixelBuffer(int width, int height)
    : width_(width), height_(height), pixels_(MakeLargeArray<ColorRef>(Count())) {}

PixelBuffer::PixelBuffer(int width, int height, ColorRef fill) : PixelBuffer(width, height) {
  Fill(fill);
}

PixelBuffer::PixelBuffer(const PixelBuffer& other) : PixelBuffer(other.width_, other.height_) {
  std::memcpy(pixels_.get(), other.pixels_.get(), Count() * sizeof(ColorRef));
}

void PixelBuffer::Fill(ColorRef c) { std::fill_n(pixels_.get(), Count(), c); }

Picture MakePicture(int width, int height, ColorRef fill) {
  return std::make_shared<const PixelBuffer>(width, height, fill);
}

}  // namespace pixmora
