// The planes hold LoadPlanes' values (-1..255) when a routine starts, so no
// sum can overflow, and integer sums are exact in any order of addition.
#include "ops/filters/fog_obscure.h"

#include <algorithm>
#include <vector>

#include "core/column_pass.h"
#include "core/row_bands.h"
#include "ops/filters/soften_lanes.h"

namespace pixmora {

namespace {

// round(|sum| / n) for an odd n. An integer sum never falls on a half, so
// adding (n - 1) / 2 before the integer division rounds to nearest.
template <int n>
inline int32_t Mean(int32_t sum) {
  const uint32_t a = sum < 0 ? 0u - static_cast<uint32_t>(sum) : static_cast<uint32_t>(sum);
  return static_cast<int32_t>((a + (n - 1) / 2) / n);
}

// rowSums[y] = the sum of row y over the columns x - r .. x + r, for the rows
// from .. to - 1.
template <int r>
void SumRows(const int32_t* column, int H, int from, int to, int32_t* rowSums) {
  for (int y = from; y < to; ++y) {
    int32_t s = 0;
    for (int i = -r; i <= r; ++i) s += column[static_cast<ptrdiff_t>(i) * H + y];
    rowSums[y] = s;
  }
}

// The three channels' chains side by side, so that they overlap, with the
// last r values of each held in registers rather than read back: pixel y of
// channel c becomes mean(bases[c][y] + its r new values above).
template <int r, class MeanOf>
void RunChains(int32_t* const (&columns)[3], int32_t* const (&bases)[3], int first, int last, MeanOf mean) {
  int32_t above[3][r];  // above[c][i - 1]: the value at y - i
  for (int c = 0; c < 3; ++c)
    for (int i = 1; i <= r; ++i) above[c][i - 1] = columns[c][first - i];
  for (int y = first; y < last; ++y)
    for (int c = 0; c < 3; ++c) {
      int32_t square = bases[c][y];
      for (int i = r - 1; i >= 0; --i) square += above[c][i];  // the newest value last
      const int32_t value = mean(square);
      columns[c][y] = value;
      for (int i = r - 1; i > 0; --i) above[c][i] = above[c][i - 1];
      above[c][0] = value;
    }
}

// Softens the pixels (x, first .. last - 1) of the three planes, where
// r <= first and last <= height - r. While column x is treated the other
// columns stay as they are, so the square sum of pixel y is the sum over the
// square as it stands, corrected for the r cells above y in column x that
// become new during the pass:
//   square(y) = base(y) + new(y - 1) + ... + new(y - r),
//   base(y)   = sum of the 2r + 1 row sums around y - cell(y - 1) - ... - cell(y - r),
// the row sums and cells taken before the pass (above `first` the cells are
// new already, and the correction takes them out and puts them back). The
// bases need nothing new and are formed first; the running part is then one
// short chain per pixel.
template <int r>
void SoftenRows(ChannelPlanes& p, int x, int first, int last, int32_t* scratch) {
  constexpr int n = (2 * r + 1) * (2 * r + 1);
  const int H = p.Height();
  const size_t base = p.Index(x, 0);
  int32_t* const columns[3] = {p.PlaneR() + base, p.PlaneG() + base, p.PlaneB() + base};
  int32_t* const rowSums = scratch;
  int32_t* const bases[3] = {scratch + H, scratch + 2 * static_cast<size_t>(H),
                             scratch + 3 * static_cast<size_t>(H)};
  for (int c = 0; c < 3; ++c) {
    const int32_t* column = columns[c];
    SumRows<r>(column, H, first - r, last + r, rowSums);
    for (int y = first; y < last; ++y) {
      int32_t b = 0;
      for (int i = -r; i <= r; ++i) b += rowSums[y + i];
      for (int i = 1; i <= r; ++i) b -= column[y - i];
      bases[c][y] = b;
    }
  }
  // Every base and every cell above `first` 0 or more (as a picture's
  // channels load) makes every square 0 or more, the new values being means:
  // its mean needs no absolute value, and the chain from one pixel to the
  // next is an addition, a product and a shift, with the rounding's half
  // folded into the bases.
  int32_t least = 0;
  for (int c = 0; c < 3; ++c) {
    for (int i = 1; i <= r; ++i) least = std::min(least, columns[c][first - i]);
    for (int y = first; y < last; ++y) least = std::min(least, bases[c][y]);
  }
  if (least >= 0) {
    for (int c = 0; c < 3; ++c)
      for (int y = first; y < last; ++y) bases[c][y] += (n - 1) / 2;
    RunChains<r>(columns, bases, first, last, [](int32_t square) {
      return static_cast<int32_t>(static_cast<uint32_t>(square) / n);
    });
  } else {
    RunChains<r>(columns, bases, first, last, Mean<n>);
  }
}

// Planes still waiting for a picture of the target's size hold its channels
// (0..255): the picture is softened on vector lanes into the target (see
// soften_lanes.h), and the planes then wait for the result instead, whose
// channels are exactly the cells the pass leaves. Answers whether it did so.
template <int r>
bool SoftenWaitingPicture(Module1& m, const CallContext& call, PictureSurface& target) {
  ChannelPlanes& p = m.planes;
  const int w = target.Width(), h = target.Height();
  if (w <= 2 * r || h <= 2 * r || !SoftenLanesAvailable()) return false;
  Picture source = SetAsideLoadOfSize(p, target);
  if (!source) return false;
  PlanesWaitForResult planes(p, std::move(source), target, call.threads);
  OperationFrame frame(call, w - 1.0);
  target.DetachForOverwrite();  // every pixel is written
  SoftenInLanes(r, planes.Source(), target.MutableImage(), call, [&frame](int x) { frame.Step(x - 1); });
  planes.Done();
  m.LoopX = static_cast<int16_t>(std::min(w, 32767));
  m.LoopY = static_cast<int16_t>(std::min(h, 32767));
  return true;
}

// Pixels within r of an edge of the planes have part of their square outside:
// their statements are abandoned and they keep their input colour. The rows
// are cut into bands, one per thread (see ForEachColumnInBands).
template <int r>
void Soften(Module1& m, const CallContext& call, PictureSurface& target) {
  if (SoftenWaitingPicture<r>(m, call, target)) return;
  ChannelPlanes& p = m.planes;
  ForEachColumnInBands(m, call, target, r, [&p] {
    return [&p, scratch = std::vector<int32_t>(4 * static_cast<size_t>(p.Height()))](
               int x, ColorRef* out, int y0, int y1, int rows) mutable {
      const int first = std::max(y0, r), last = std::min({y1, rows, p.Height() - r});
      if (x >= r && x + r < p.Width() && first < last) SoftenRows<r>(p, x, first, last, scratch.data());
      const int written = std::min(y1, rows);
      if (written <= y0) return;
      const size_t base = p.Index(x, y0);
      ComposeColumn(p.PlaneR() + base, p.PlaneG() + base, p.PlaneB() + base, out + y0, written - y0);
    };
  });
}

}  // namespace

void Fog(Module1& m, const CallContext& call, PictureSurface& target) {
  Soften<1>(m, call, target);
}

void Obscure(Module1& m, const CallContext& call, PictureSurface& target) {
  Soften<2>(m, call, target);
}

}  // namespace pixmora
