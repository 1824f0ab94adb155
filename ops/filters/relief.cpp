// The planes hold LoadPlanes' values (-1..255) when a routine starts, so the
// differences cannot overflow. The results stay unclamped in the planes
// (0..383); the composition takes values above 255 as 255.
#include "ops/filters/relief.h"

#include <cstdlib>
#include <vector>

#include "ops/filters/column_pass.h"

namespace pixmora {

namespace {

inline int32_t Emboss(int32_t own, int32_t lowerRight) { return std::abs(own - lowerRight + 128); }

// One plane's column: each pixel that gets the relief takes it from its own
// value and its lower-right neighbour's. The two ranges never overlap.
void EmbossColumn(int32_t* __restrict own, const int32_t* __restrict lowerRight,
                  const uint8_t* __restrict gets, int count) {
  for (int y = 0; y < count; ++y) own[y] = gets[y] ? Emboss(own[y], lowerRight[y]) : own[y];
}

// gets(R, G, B) answers whether a pixel gets the relief, from its own values
// (all three taken before any of them changes). The lower-right neighbour
// lies in the next column, which is still untreated, so no change spreads.
// The last column and the last row of the planes have no such neighbour:
// their relief statements are abandoned and they are written with their own
// colour.
template <class Gets>
void RunRelief(Module1& m, PictureSurface& target, Gets gets) {
  ChannelPlanes& p = m.planes;
  std::vector<uint8_t> chosen(static_cast<size_t>(p.Height()));
  RunColumnPass(m, target, [&p, &chosen, gets](int x, int rows) {
    if (x + 1 >= p.Width()) return;
    const int count = std::min(rows, p.Height() - 1);
    const size_t own = p.Index(x, 0), lowerRight = p.Index(x + 1, 1);
    int32_t* const planes[3] = {p.PlaneR(), p.PlaneG(), p.PlaneB()};
    for (int y = 0; y < count; ++y)
      chosen[y] = gets(planes[0][own + y], planes[1][own + y], planes[2][own + y]);
    for (int32_t* plane : planes) EmbossColumn(plane + own, plane + lowerRight, chosen.data(), count);
  }, ColumnOrder::InOrder, 1);
}

}  // namespace

void Relief(Module1& m, PictureSurface& target) {
  RunRelief(m, target, [](int32_t, int32_t, int32_t) { return true; });
}

void ReliefRed(Module1& m, PictureSurface& target, int16_t threshold) {
  RunRelief(m, target, [t = int32_t{threshold}](int32_t R, int32_t, int32_t) { return R < t; });
}

void ReliefGreen(Module1& m, PictureSurface& target, int16_t threshold) {
  RunRelief(m, target, [t = int32_t{threshold}](int32_t, int32_t G, int32_t) { return G < t; });
}

void ReliefBlue(Module1& m, PictureSurface& target, int16_t threshold) {
  RunRelief(m, target, [t = int32_t{threshold}](int32_t, int32_t, int32_t B) { return B < t; });
}

}  // namespace pixmora
