// Every pixel is visited at most once per pass and reads and writes only
// itself, so each pass is walked column by column (the order the pixels are
// stored in) whatever its loop nesting; AddSquares keeps its two passes in
// order, which is what blends the crossings twice. A spacing below 1 draws no
// line: the menu always passes 20.
#include "ops/effects/lines.h"

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
  PixelBuffer& image = target.MutableImage();
  const auto visit = [&](int x, int y) { BlendSquarePixel(m.planes, image, x, y, tint); };
  EachLinePixel(m, call, target.Width(), target.Height(), spacing, Lines::Rows, visit);
  EachLinePixel(m, call, target.Width(), target.Height(), spacing, Lines::Columns, visit);
}

}  // namespace pixmora
