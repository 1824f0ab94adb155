// The loop shared by the Mix Image routines: columns outer, rows inner, over
// an inclusive rectangle of the target. Each pixel reads one colour from a
// surface (the other picture, or the target itself once something has been
// painted on it) and runs the routine's statements on its plane values.
#pragma once
#include <algorithm>
#include <cstdint>

#include "core/colour_ref.h"
#include "core/module1.h"
#include "core/operation_frame.h"
#include "core/picture_surface.h"

namespace pixmora {

// The value a For counter keeps after its loop: the first value when the
// loop never ran, one past the last otherwise (at 32767 the increment
// overflows and the loop just ends).
inline int16_t LoopEnd(int first, int last) {
  return static_cast<int16_t>(first > last ? first : std::min(last + 1, 32767));
}

// pixel(R, G, B, c, v, out) holds the statements of one pixel (see
// mix_kernels.h): c is the colour read for it and v its channel split. Where
// the planes do not hold the pixel, every statement but the read is abandoned;
// writes are clipped to the target. afterColumn(x) runs after each column.
template <class Pixel, class AfterColumn>
void BlendRegion(Module1& m, PictureSurface& target, const PictureSurface& source, int xFirst,
                 int xLast, int yFirst, int yLast, Pixel& pixel, AfterColumn afterColumn) {
  ChannelPlanes& planes = m.planes;
  // A region over every column takes in the planes and the target column by column.
  ColumnFeed feed(planes, target,
                  xFirst <= 0 && xLast >= std::max(target.Width(), planes.Width()) - 1);
  PixelBuffer& out = feed.Image();
  const PixelBuffer& in = &source == &target ? out : *source.ImageBuffer();
  auto read = [&in](int x, int y) {
    return x >= 0 && y >= 0 && x < in.Width() && y < in.Height() ? in.At(x, y) : kInvalidColour;
  };
  ColorRef c = static_cast<ColorRef>(m.PixelColour);
  // One column whose plane cells exist.
  auto column = [&](int x) {
    const size_t base = planes.Index(x, 0);
    int32_t* R = planes.PlaneR() + base;
    int32_t* G = planes.PlaneG() + base;
    int32_t* B = planes.PlaneB() + base;
    auto careful = [&](int y) {
      c = read(x, y);
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
      const ColorRef lastRead = src[fastEnd - 1];  // before the target (maybe src) is written
      const int n = fastEnd - fastFirst;
      constexpr bool byColumn = requires { pixel.Column(R, G, B, src, dst, n); };
      bool done = false;
      if constexpr (byColumn)
        done = pixel.Column(R + fastFirst, G + fastFirst, B + fastFirst, src + fastFirst,
                            dst + fastFirst, n);
      // Inside a picture every colour is valid: its channels are its bytes.
      for (int y = fastFirst; !done && y < fastEnd; ++y) {
        const ColorRef value = src[y];
        const Channels v{static_cast<int32_t>(value & 0xFF), static_cast<int32_t>((value >> 8) & 0xFF),
                         static_cast<int32_t>((value >> 16) & 0xFF)};
        ColorRef colour = 0;
        const bool write = pixel(R[y], G[y], B[y], value, v, colour);
        dst[y] = write ? colour : dst[y];
      }
      c = lastRead;
    }
    for (int y = fastEnd; y <= yLast; ++y) careful(y);
  };
  for (int x = xFirst; x <= xLast; ++x) {
    if (x >= 0) feed.Prepare(x);
    if (yFirst <= yLast) {
      if (x >= 0 && x < planes.Width())
        column(x);
      else
        c = read(x, yLast);  // only the reads happen; the last one is what stays
    }
    afterColumn(x);
  }
  m.PixelColour = static_cast<int32_t>(c);
  m.LoopX = LoopEnd(xFirst, xLast);
  if (xFirst <= xLast) m.LoopY = LoopEnd(yFirst, yLast);
}

// The whole target read from itself (after something was painted on it), the
// progress bar following the columns.
template <class Pixel>
void BlendOwnPixels(Module1& m, PictureSurface& target, Pixel& pixel, OperationFrame& frame) {
  BlendRegion(m, target, target, 0, target.Width() - 1, 0, target.Height() - 1, pixel,
              [&frame](int x) { frame.Step(x); });
}

}  // namespace pixmora
