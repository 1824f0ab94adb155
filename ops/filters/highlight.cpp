// The planes hold LoadPlanes' values (-1..255) when the routine starts, and
// every treated value is clamped to 0..255, so 3v - n cannot overflow.
#include "ops/filters/highlight.h"

#include <algorithm>

#include "core/row_bands.h"
#include "core/column_pass.h"

namespace pixmora {

namespace {

// RoundHalfEven(v + 0.5 x (v - n)) = RoundHalfEven((3v - n) / 2), in integers.
inline int32_t PushAway(int32_t v, int32_t n) { return Half(3 * v - n); }

inline int32_t Clamp(int32_t v) {
  if (v > 255) v = 255;
  if (v < 0) v = 0;
  return v;
}

// Column 0 and row 0 have no upper-left neighbour: their push statements are
// abandoned, the clamps still run. The neighbour column is the previous one,
// already finished; each cell reads only its own value and its upper-left
// neighbour's, so the rows y0 .. end - 1 can be treated on their own.
void HighlightRows(int32_t* column, int H, int x, int y0, int end) {
  if (x > 0) {
    const int32_t* previous = column - H;
    for (int y = std::max(y0, 1); y < end; ++y) column[y] = PushAway(column[y], previous[y - 1]);
  }
  for (int y = y0; y < end; ++y) column[y] = Clamp(column[y]);
}

// Planes still waiting for a picture of the target's size hold its channels:
// each cell is read from the picture, and its treated upper-left neighbour
// from the result's previous column (a treated cell is clamped to 0..255, the
// very channel its pixel shows); the planes then wait for the result.
// Answers whether it did so.
bool HighlightWaitingPicture(Module1& m, const CallContext& call, PictureSurface& target) {
  ChannelPlanes& p = m.planes;
  const int h = target.Height();
  Picture source = SetAsideLoadOfSize(p, target);
  if (!source) return false;
  PlanesWaitForResult planes(p, std::move(source), target, call.threads);
  const PixelBuffer& picture = planes.Source();
  target.DetachForOverwrite();  // every pixel is written
  ForEachColumnInBands(m, call, target, 0, [&picture, h] {
    return [&picture, h](int x, ColorRef* out, int y0, int y1, int) {
      const ColorRef* in = picture.Column(x);
      int y = y0;
      // Column 0 and row 0 have no upper-left neighbour: their channels stay.
      for (; y < y1 && (x == 0 || y == 0); ++y) out[y] = in[y] & 0xFFFFFF;
      if (y == y1) return;
      const ColorRef* previous = out - h;  // column x - 1, finished
      for (; y < y1; ++y) {
        const Channels v = ChannelBytes(in[y]), n = ChannelBytes(previous[y - 1]);
        out[y] = PackRGB(Clamp(PushAway(v.r, n.r)), Clamp(PushAway(v.g, n.g)), Clamp(PushAway(v.b, n.b)));
      }
    };
  });
  planes.Done();
  return true;
}

}  // namespace

// The rows are cut into bands, one per thread (see ForEachColumnInBands):
// a cell reads no row below its own.
void Highlight(Module1& m, const CallContext& call, PictureSurface& target) {
  if (HighlightWaitingPicture(m, call, target)) return;
  ChannelPlanes& p = m.planes;
  ForEachColumnInBands(m, call, target, 0, [&p] {
    return [&p](int x, ColorRef* out, int y0, int y1, int rows) {
      const int end = std::min(y1, rows);
      if (end <= y0) return;
      const size_t base = p.Index(x, 0);
      int32_t* const planes[3] = {p.PlaneR() + base, p.PlaneG() + base, p.PlaneB() + base};
      for (int32_t* column : planes) HighlightRows(column, p.Height(), x, y0, end);
      ComposeColumn(planes[0] + y0, planes[1] + y0, planes[2] + y0, out + y0, end - y0);
    };
  });
}

}  // namespace pixmora
