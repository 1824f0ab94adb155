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

}  // namespace pixmora::bench
