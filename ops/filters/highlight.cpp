// The planes hold LoadPlanes' values (-1..255) when the routine starts, and
// every treated value is clamped to 0..255, so 3v - n cannot overflow.
#include "ops/filters/highlight.h"

#include "ops/filters/column_pass.h"

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
// already finished.
void HighlightColumn(int32_t* column, int H, int x, int rows) {
  if (x > 0) {
    const int32_t* previous = column - H;
    for (int y = 1; y < rows; ++y) column[y] = PushAway(column[y], previous[y - 1]);
  }
  for (int y = 0; y < rows; ++y) column[y] = Clamp(column[y]);
}

}  // namespace

void Highlight(Module1& m, PictureSurface& target) {
  ChannelPlanes& p = m.planes;
  RunColumnPass(m, target, [&p](int x, int rows) {
    const size_t base = p.Index(x, 0);
    HighlightColumn(p.PlaneR() + base, p.Height(), x, rows);
    HighlightColumn(p.PlaneG() + base, p.Height(), x, rows);
    HighlightColumn(p.PlaneB() + base, p.Height(), x, rows);
  }, ColumnOrder::InOrder, 0);
}

}  // namespace pixmora
