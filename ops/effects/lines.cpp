// Every pixel is visited at most once per pass and reads and writes only
// itself, so each pass is walked column by column (the order the pixels are
// stored in) whatever its loop nesting; AddSquares keeps its two passes in
// order, which is what blends the crossings twice. A spacing below 1 draws no
// line: the menu always passes 20.
#include "ops/effects/lines.h"

#include <optional>

#include "core/operation_frame.h"
#include "ops/effects/loop_end.h"
#include "ops/effects/tint.h"

namespace pixmora {

namespace {

enum class Lines { Rows, Columns };

// Every pixel of the rows 0, n, 2n, ... or of the columns 0, n, 2n, ...;
// LoopX and LoopY are left where the loops end.
template <class Visit>
void EachLinePixel(Module1& m, const CallContext& call, int w, int h, int16_t n, Lines lines,
                   Visit visit) {
  if (n < 1) return;
  const int stepX = lines == Lines::Columns ? n : 1;
  const int stepY = lines == Lines::Rows ? n : 1;
  for (int x = 0; x < w; x += stepX) {
    call.StopIfCancelled();
    for (int y = 0; y < h; y += stepY) visit(x, y);
  }
  m.LoopX = LoopEnd(w - 1, stepX);
  m.LoopY = LoopEnd(h - 1, stepY);
}

// A line pixel: its colour read back (kept in PixelColour), blended, written.
void BlendLinePixel(Module1& m, PixelBuffer& image, int x, int y, const Tint& tint) {
  const ColorRef c = image.At(x, y);
  m.PixelColour = static_cast<int32_t>(c);
  ColorRef out;
  if (tint.Compose(SplitColour(c), out)) image.Set(x, y, out);
}

// A square pixel: its colour read back into the planes, blended there,
// written from the planes. Outside the planes every statement fails.
void BlendSquarePixel(ChannelPlanes& planes, PixelBuffer& image, int x, int y, const Tint& tint) {
  if (!planes.Inside(x, y)) return;
  const Channels v = SplitColour(image.At(x, y));
  int32_t& R = planes.R(x, y);
  int32_t& G = planes.G(x, y);
  int32_t& B = planes.B(x, y);
  R = v.r, G = v.g, B = v.b;
  tint.BlendPlanes(R, G, B);
  ColorRef out;
  if (ComposeRGB(R, G, B, out)) image.Set(x, y, out);
}

// A square pixel's cells and colour from its colour alone, as
// BlendSquarePixel leaves them.
struct SquarePixel {
  Channels cells;
  ColorRef colour;
};
SquarePixel BlendSquareColour(ColorRef c, const Tint& tint) {
  Channels v = SplitColour(c);
  tint.BlendPlanes(v.r, v.g, v.b);
  ComposeRGB(v.r, v.g, v.b, c);
  return {v, c};
}

// Calls put(i, pixel) for the rows y0 + i (i < count) of column x that the
// squares' lines cross: every row of a column line (x a multiple of n),
// every n-th row elsewhere, with the crossing's pixel where both meet.
template <class Put>
void EachLinePixelOfColumn(int n, int x, int y0, int count, const SquarePixel& line,
                           const SquarePixel& crossing, Put put) {
  const bool columnLine = x % n == 0;
  if (columnLine)
    for (int i = 0; i < count; ++i) put(i, line);
  for (int i = (n - y0 % n) % n; i < count; i += n) put(i, columnLine ? crossing : line);
}

// On a result still cleared to one colour, under planes that wait for a
// picture of its size, the two passes leave every pixel of a row line (y a
// multiple of n) and of a column line as one blend of that colour, and the
// crossings as a blend of that blend: the lines are painted column by column
// on every thread, and the planes keep waiting, with the lines' cells to be
// put in. Answers whether it did so.
bool SquaresOnClearedResult(Module1& m, const CallContext& call, PictureSurface& target, int16_t n,
                            const Tint& tint) {
  const std::optional<ColorRef> back = target.ClearedTo();
  ChannelPlanes& planes = m.planes;
  const int w = target.Width(), h = target.Height();
  if (!back || n < 1) return false;
  const Picture source = SetAsideLoadOfSize(planes, target);
  if (!source) return false;
  const SquarePixel line = BlendSquareColour(*back, tint), crossing = BlendSquareColour(line.colour, tint);
  const PendingAgain pending(planes, source, call.threads, target,
                             [line, crossing, n](int x, int y0, int32_t* R, int32_t* G, int32_t* B, int count) {
                               EachLinePixelOfColumn(n, x, y0, count, line, crossing,
                                                     [&](int i, const SquarePixel& p) {
                                                       R[i] = p.cells.r, G[i] = p.cells.g, B[i] = p.cells.b;
                                                     });
                             });
  PixelBuffer& image = target.MutableImage();
  ForColumnRuns(call.threads, w, [&](int first, int end, bool) {
    for (int x = first; x < end; ++x) {
      call.StopIfCancelled();
      ColorRef* column = image.Column(x);
      EachLinePixelOfColumn(n, x, 0, h, line, crossing, [column](int y, const SquarePixel& p) { column[y] = p.colour; });
    }
  });
  m.LoopX = LoopEnd(w - 1, n);
  m.LoopY = LoopEnd(h - 1, 1);
  return true;
}

void DrawLines(Module1& m, const CallContext& call, PictureSurface& target, int16_t spacing,
               float strength, int16_t red, int16_t green, int16_t blue, Lines lines) {
  OperationFrame frame(call, 0, OperationFrame::Progress::Untouched);
  const Tint tint(Tenth(strength), {red, green, blue});
  PixelBuffer& image = target.MutableImage();
  EachLinePixel(m, call, target.Width(), target.Height(), spacing, lines,
                [&](int x, int y) { BlendLinePixel(m, image, x, y, tint); });
}

}  // namespace

void HorizontalLines(Module1& m, const CallContext& call, PictureSurface& target, int16_t spacing,
                     float strength, int16_t red, int16_t green, int16_t blue) {
  DrawLines(m, call, target, spacing, strength, red, green, blue, Lines::Rows);
}

void VerticalLines(Module1& m, const CallContext& call, PictureSurface& target, int16_t spacing,
                   float strength, int16_t red, int16_t green, int16_t blue) {
  DrawLines(m, call, target, spacing, strength, red, green, blue, Lines::Columns);
}

void AddSquares(Module1& m, const CallContext& call, PictureSurface& target, int16_t spacing,
                float strength, int16_t red, int16_t green, int16_t blue) {
  OperationFrame frame(call, 0, OperationFrame::Progress::Untouched);
  const Tint tint(Tenth(strength), {red, green, blue});
  if (SquaresOnClearedResult(m, call, target, spacing, tint)) return;
  PixelBuffer& image = target.MutableImage();
  const auto visit = [&](int x, int y) { BlendSquarePixel(m.planes, image, x, y, tint); };
  EachLinePixel(m, call, target.Width(), target.Height(), spacing, Lines::Rows, visit);
  EachLinePixel(m, call, target.Width(), target.Height(), spacing, Lines::Columns, visit);
}

}  // namespace pixmora
