// The planes hold LoadPlanes' values (-1..255) when a routine starts, so no
// sum can overflow, and integer sums are exact in any order of addition.
#include "ops/filters/fog_obscure.h"

#include <vector>

#include "ops/filters/column_pass.h"

namespace pixmora {

namespace {

// round(|sum| / n) for an odd n. An integer sum never falls on a half, so
// adding (n - 1) / 2 before the integer division rounds to nearest.
template <int n>
inline int32_t Mean(int32_t sum) {
  const uint32_t a = sum < 0 ? 0u - static_cast<uint32_t>(sum) : static_cast<uint32_t>(sum);
  return static_cast<int32_t>((a + (n - 1) / 2) / n);
}

// rowSums[y] = the sum of row y over the columns x - r .. x + r.
template <int r>
void SumRows(const int32_t* column, int H, int32_t* rowSums) {
  for (int y = 0; y < H; ++y) {
    int32_t s = 0;
    for (int i = -r; i <= r; ++i) s += column[static_cast<ptrdiff_t>(i) * H + y];
    rowSums[y] = s;
  }
}

// Softens the pixels (x, r .. end - 1) of the three planes. While column x is
// treated the other columns stay as they are, so only the cell being
// replaced changes a row sum; the window of 2r + 1 row sums running down the
// column follows that change and always holds the exact square sum over the
// current values: new above the pixel, untreated from the pixel down.
template <int r>
void SoftenColumn(ChannelPlanes& p, int x, int end, int32_t* rowSums) {
  constexpr int n = (2 * r + 1) * (2 * r + 1);
  const int H = p.Height();
  const size_t base = p.Index(x, 0);
  int32_t* const columns[3] = {p.PlaneR() + base, p.PlaneG() + base, p.PlaneB() + base};
  int32_t* const sums[3] = {rowSums, rowSums + H, rowSums + 2 * static_cast<size_t>(H)};
  int32_t window[3] = {0, 0, 0};
  for (int c = 0; c < 3; ++c) {
    SumRows<r>(columns[c], H, sums[c]);
    for (int y = 0; y <= 2 * r; ++y) window[c] += sums[c][y];
  }
  for (int y = r; y < end; ++y) {
    for (int c = 0; c < 3; ++c) {
      const int32_t mean = Mean<n>(window[c]);
      const int32_t change = mean - columns[c][y];
      columns[c][y] = mean;
      sums[c][y] += change;
      if (y + 1 < end) window[c] += change + sums[c][y + r + 1] - sums[c][y - r];
    }
  }
}

// Pixels within r of an edge of the planes have part of their square outside:
// their statements are abandoned and they keep their input colour.
template <int r>
void Soften(Module1& m, PictureSurface& target) {
  ChannelPlanes& p = m.planes;
  std::vector<int32_t> rowSums(3 * static_cast<size_t>(p.Height()));
  RunColumnPass(m, target, [&p, &rowSums](int x, int rows) {
    const int end = std::min(rows, p.Height() - r);
    if (x < r || x + r >= p.Width() || end <= r) return;
    SoftenColumn<r>(p, x, end, rowSums.data());
  });
}

}  // namespace

void Fog(Module1& m, PictureSurface& target) { Soften<1>(m, target); }

void Obscure(Module1& m, PictureSurface& target) { Soften<2>(m, target); }

}  // namespace pixmora
