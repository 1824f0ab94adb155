#include "bench/floor_stream.h"

#include "core/operation_frame.h"

namespace pixmora::bench {

void StreamPlanes(const ChannelPlanes& planes, PixelBuffer& out, int threads) {
  const int h = planes.Height();
  ForColumnRuns(threads, planes.Width(), [&](int first, int end, bool) {
    for (int x = first; x < end; ++x) {
      const size_t base = planes.Index(x, 0);
      const int32_t *R = planes.PlaneR() + base, *G = planes.PlaneG() + base,
                    *B = planes.PlaneB() + base;
      ColorRef* dst = out.Column(x);
      for (int y = 0; y < h; ++y)
        dst[y] = PackRGB(static_cast<uint32_t>(R[y]), static_cast<uint32_t>(G[y]),
                         static_cast<uint32_t>(B[y]));
    }
  });
}

}  // namespace pixmora::bench
