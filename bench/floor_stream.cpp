#include "bench/floor_stream.h"

#include "core/operation_frame.h"

namespace pixmora::bench {

namespace {

template <bool kWriteBack>
void EveryColumn(const ChannelPlanes& planes, PixelBuffer& out, int threads) {
  const int h = planes.Height();
  ForColumnRuns(threads, planes.Width(), [&](int first, int end, bool) {
    for (int x = first; x < end; ++x) {
      const size_t base = planes.Index(x, 0);
      // The cells are written through the same pointers they are read from.
      auto* __restrict R = const_cast<int32_t*>(planes.PlaneR()) + base;
      auto* __restrict G = const_cast<int32_t*>(planes.PlaneG()) + base;
      auto* __restrict B = const_cast<int32_t*>(planes.PlaneB()) + base;
      ColorRef* __restrict dst = out.Column(x);
      for (int y = 0; y < h; ++y) {
        const int32_t r = R[y], g = G[y], b = B[y];
        // A changed value, so that the compiler cannot leave the stores out.
        if constexpr (kWriteBack) R[y] = r ^ 1, G[y] = g ^ 1, B[y] = b ^ 1;
        dst[y] = PackRGB(static_cast<uint32_t>(r), static_cast<uint32_t>(g),
                         static_cast<uint32_t>(b));
      }
    }
  });
}

}  // namespace

void StreamPlanes(ChannelPlanes& planes, PixelBuffer& out, int threads) {
  EveryColumn<true>(planes, out, threads);
}

void PackPlanes(const ChannelPlanes& planes, PixelBuffer& out, int threads) {
  EveryColumn<false>(planes, out, threads);
}

}  // namespace pixmora::bench
