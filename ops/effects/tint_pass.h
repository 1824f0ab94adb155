// The pass that Rectangles ends with: every pixel the planes
// cover reads its target colour c; when towards(c, tint) answers true, the
// pixel's planes are blended by that tint (32-bit rounding, stored); then the
// pixel is written RGB(PlaneR, PlaneG, PlaneB). Pixels beyond the planes keep
// their colour: every statement there touches a plane cell that does not
// exist. Each pixel reads and writes only its own colour and cells, so the
// columns are shared out among the threads, each fed its planes; the
// progress bar is left alone.
// When every tint keeps channel bytes (keepsBytes), planes that wait
// for a picture of the target's size stay waiting: the pass reads the
// picture's channels, and the planes then wait for the result, whose
// channels are the cells the pass leaves.
#pragma once
#include <optional>

#include "core/operation_frame.h"
#include "ops/effects/tint.h"

namespace pixmora {

// Answers the last pixel read, the one the loops leave behind (none for an
// empty target). No earlier visit writes it, so it is taken first.
template <class Towards>  // bool towards(ColorRef current, Tint& tint), on any thread
std::optional<ColorRef> TintPlanesPass(Module1& m, const CallContext& call, PictureSurface& target,
                                       Towards towards, bool keepsBytes) {
  const int w = target.Width(), h = target.Height();
  if (w <= 0 || h <= 0) return std::nullopt;
  const ColorRef last = target.ImageBuffer()->At(w - 1, h - 1);
  ChannelPlanes& planes = m.planes;
  if (Picture source = keepsBytes ? SetAsideLoadOfSize(planes, target) : nullptr) {
    PlanesWaitForResult waiting(planes, std::move(source), target, call.threads);
    const PixelBuffer& picture = waiting.Source();
    ForEachColumn(
        m, call, target,
        [&picture, &towards](int x, ColorRef* out, int rows) {
          const ColorRef* in = picture.Column(x);
          for (int y = 0; y < rows; ++y) {
            Tint tint;
            if (!towards(out[y], tint)) {
              out[y] = in[y] & 0xFFFFFF;  // RGB of the colour's own bytes
              continue;
            }
            Channels v = ChannelBytes(in[y]);
            tint.BlendPlanes(v.r, v.g, v.b);
            ComposeRGB(v.r, v.g, v.b, out[y]);
          }
        },
        ColumnOrder::Independent, -1, Bar::Untouched);
    waiting.Done();
    return last;
  }
  const auto column = [&planes, &towards](int x, ColorRef* out, int rows) {
    if (rows == 0) return;
    const size_t base = planes.Index(x, 0);
    int32_t* R = planes.PlaneR() + base;
    int32_t* G = planes.PlaneG() + base;
    int32_t* B = planes.PlaneB() + base;
    for (int y = 0; y < rows; ++y) {
      Tint tint;
      if (towards(out[y], tint)) tint.BlendPlanes(R[y], G[y], B[y]);
      ComposeRGB(R[y], G[y], B[y], out[y]);
    }
  };
  ForEachColumn(m, call, target, column, ColumnOrder::Independent, -1, Bar::Untouched);
  return last;
}

}  // namespace pixmora
