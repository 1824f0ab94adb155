// The loop shared by the Mix Image routines: columns outer, rows inner, over
// an inclusive rectangle of the target. Each pixel reads one colour from a
// surface (the other picture, or the target itself once something has been
// painted on it) and runs the routine's statements on its plane values.
#pragma once
#include <algorithm>
#include <cstdint>

#include "core/call_context.h"
#include "core/colour_ref.h"
#include "core/module1.h"
#include "core/operation_frame.h"
#include "core/picture_surface.h"
#include "ops/mixing/blend_waiting.h"
#include "ops/mixing/region_columns.h"

namespace pixmora {

// kernelAt(x) gives the statements of the pixels of column x (see
// mix_kernels.h): pixel(R, G, B, c, v, out), c being the colour read for the
// pixel and v its channel split. Where the planes do not hold the pixel,
// every statement but the read is abandoned; writes are clipped to the
// target. Each column reads and writes only its own pixels and cells, so the
// columns are shared out among the threads; progress(x) follows the calling
// thread's columns, scaled to the whole region, and ends at xLast. An
// underlay stands for the target's pixels outside what was painted on it.
template <class KernelAt, class Progress>
void BlendRegion(Module1& m, const CallContext& call, PictureSurface& target,
                 const PictureSurface& source, int xFirst, int xLast, int yFirst, int yLast,
                 KernelAt kernelAt, Progress progress, Underlay underlay = {}) {
  ChannelPlanes& planes = m.planes;
  const bool whole = xFirst == 0 && yFirst == 0 && xLast == target.Width() - 1 && yLast == target.Height() - 1;
  if (whole && BlendFromWaitingPicture(m, call, target, source, kernelAt, progress, underlay)) return;
  // A region over every column takes in the planes and the target column by column.
  ColumnFeed feed(planes, target, xFirst <= 0 && xLast >= std::max(target.Width(), planes.Width()) - 1, 0,
                  std::move(underlay));
  PixelBuffer& out = feed.Image();
  const PixelBuffer& in = &source == &target ? out : *source.ImageBuffer();
  auto read = [&in](int x, int y) {
    return x >= 0 && y >= 0 && x < in.Width() && y < in.Height() ? in.At(x, y) : kInvalidColour;
  };
  // One column whose plane cells exist.
  auto column = [&](int x) {
    const auto pixel = kernelAt(x);
    const size_t base = planes.Index(x, 0);
    int32_t* R = planes.PlaneR() + base;
    int32_t* G = planes.PlaneG() + base;
    int32_t* B = planes.PlaneB() + base;
    auto careful = [&](int y) {
      const ColorRef c = read(x, y);
      ColorRef colour;
      if (y < 0 || y >= planes.Height() || !pixel(R[y], G[y], B[y], c, SplitColour(c), colour))
        return;
      if (x < out.Width() && y < out.Height()) out.Set(x, y, colour);
    };
    // The rows that the planes, the source and the target all hold.
    const int fastFirst = std::max(yFirst, 0);
    int fastEnd = fastFirst;
    if (x < in.Width() && x < out.Width())
      fastEnd = std::max(fastFirst, std::min({yLast + 1, planes.Height(), in.Height(), out.Height()}));
    for (int y = yFirst; y < fastFirst; ++y) careful(y);
    if (fastFirst < fastEnd) {
      const ColorRef* src = in.Column(x);
      ColorRef* dst = out.Column(x);
      const int n = fastEnd - fastFirst;
      constexpr bool byColumn = requires { pixel.Column(R, G, B, src, dst, n); };
      bool done = false;
      if constexpr (byColumn)
        done = pixel.Column(R + fastFirst, G + fastFirst, B + fastFirst, src + fastFirst,
                            dst + fastFirst, n);
      // A picture may hold what a read outside one gave (-1): it splits as such.
      for (int y = fastFirst; !done && y < fastEnd; ++y) {
        const ColorRef value = src[y];
        const Channels v = SplitColour(value);
        ColorRef colour = 0;
        const bool write = pixel(R[y], G[y], B[y], value, v, colour);
        dst[y] = write ? colour : dst[y];
      }
    }
    for (int y = fastEnd; y <= yLast; ++y) careful(y);
  };
  // Every column reads its rows down to yLast: the colour that stays is the
  // last column's last read, taken before that column writes.
  ColorRef lastRead = static_cast<ColorRef>(m.PixelColour);
  ForRegionColumns(
      call, xFirst, xLast,
      [&](int x) {
        if (x >= 0) feed.Prepare(x);
        if (yFirst > yLast) return;
        if (x == xLast) lastRead = read(x, yLast);
        if (x >= 0 && x < planes.Width()) column(x);
      },
      progress);
  m.PixelColour = static_cast<int32_t>(lastRead);
  m.LoopX = LoopEnd(xFirst, xLast);
  if (xFirst <= xLast) m.LoopY = LoopEnd(yFirst, yLast);
}

// The whole target read from itself (after something was painted on it), the
// progress bar following the columns.
template <class Pixel>
void BlendOwnPixels(Module1& m, const CallContext& call, PictureSurface& target, const Pixel& pixel,
                    OperationFrame& frame, Underlay underlay = {}) {
  BlendRegion(m, call, target, target, 0, target.Width() - 1, 0, target.Height() - 1,
              [&pixel](int) { return pixel; }, [&frame](int x) { frame.Step(x); }, std::move(underlay));
}

}  // namespace pixmora
