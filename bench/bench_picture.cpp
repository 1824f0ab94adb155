#include "bench/bench_picture.h"

#include "core/picture_surface.h"
#include "tools/default_data/pictures.h"

namespace pixmora::bench {

// A landscape painted at a quarter of the size and enlarged (painting the
// noise at full size would take longer than the benchmarks).
const Picture& Photo() {
  static const Picture photo = [] {
    const Picture small = data::PaintLandscape(kWidth / 4, kHeight / 4, 11);
    auto big = std::make_shared<PixelBuffer>(kWidth, kHeight, 0);
    PictureSurface s;
    s.SetPicture(big);
    s.PaintPicture(small, 0, 0, kWidth, kHeight);
    return s.Image();
  }();
  return photo;
}

Picture NoisyPhoto(int width, int height, uint32_t seed) {
  const Picture small = data::PaintLandscape(width / 4, height / 4, seed);
  auto big = std::make_shared<PixelBuffer>(width, height, 0);
  PictureSurface s;
  s.SetPicture(big);
  s.PaintPicture(small, 0, 0, width, height);
  PixelBuffer& pixels = s.MutableImage();
  uint32_t state = seed * 2654435761u + 1;
  for (size_t i = 0; i < pixels.Count(); ++i) {
    ColorRef& c = pixels.Data()[i];
    ColorRef grained = 0;
    for (int shift = 0; shift < 24; shift += 8) {
      state ^= state << 13, state ^= state >> 17, state ^= state << 5;
      // A sensor's grain is near normal: the sum of three small uniform
      // draws (a spread of about four levels).
      const int grain = static_cast<int>(state % 9 + (state >> 8) % 9 + (state >> 16) % 9) - 12;
      const int v = static_cast<int>((c >> shift) & 0xFF) + grain;
      grained |= static_cast<ColorRef>(v < 0 ? 0 : v > 255 ? 255 : v) << shift;
    }
    c = grained;
  }
  return s.Image();
}

}  // namespace pixmora::bench
