// The planes hold LoadPlanes' values (-1..255) when a routine starts, so the
// differences cannot overflow. The results stay unclamped in the planes
// (0..383); the composition takes values above 255 as 255.
#include "ops/filters/relief.h"

#include <cstdlib>
#include <vector>

#include "core/column_pass.h"

namespace pixmora {

namespace {

inline int32_t Emboss(int32_t own, int32_t lowerRight) { return std::abs(own - lowerRight + 128); }

// One plane's column: each pixel that gets the relief takes it from its own
// value and its lower-right neighbour's, lowerRight(y).
template <class LowerRight>
void EmbossColumn(int32_t* __restrict own, LowerRight lowerRight, const uint8_t* __restrict gets,
                  int count) {
  for (int y = 0; y < count; ++y) own[y] = gets[y] ? Emboss(own[y], lowerRight(y)) : own[y];
}

// gets(R, G, B) answers whether a pixel gets the relief, from its own values
// (all three taken before any of them changes). The lower-right neighbour
// lies in the next column, which is still untreated, so no change spreads.
// The last column and the last row of the planes have no such neighbour:
// their relief statements are abandoned and they are written with their own
// colour.
template <class Gets>
void ChooseRows(ChannelPlanes& p, size_t own, int count, Gets gets, uint8_t* chosen) {
  const int32_t *R = p.PlaneR() + own, *G = p.PlaneG() + own, *B = p.PlaneB() + own;
  for (int y = 0; y < count; ++y) chosen[y] = gets(R[y], G[y], B[y]);
}

// Planes still waiting for a picture hold its channels, and every neighbour
// a column reads is still untreated: the neighbours come from the picture,
// the columns need nothing from one another, and they are shared out among
// the threads.
template <class Gets>
void ReliefFromPicture(Module1& m, const CallContext& call, PictureSurface& target,
                       const PixelBuffer& source, Gets gets) {
  ChannelPlanes& p = m.planes;
  ForEachColumnRun(m, call, target, ColumnOrder::Independent, [&](int, int) {
    return [&p, &source, gets, chosen = std::vector<uint8_t>(static_cast<size_t>(p.Height()))](
               int x, ColorRef* out, int rows) mutable {
      if (rows == 0) return;
      const size_t own = p.Index(x, 0);
      int32_t* const planes[3] = {p.PlaneR() + own, p.PlaneG() + own, p.PlaneB() + own};
      if (x + 1 < p.Width()) {
        const int count = std::min(rows, p.Height() - 1);
        ChooseRows(p, own, count, gets, chosen.data());
        const ColorRef* lowerRight = source.Column(x + 1) + 1;
        for (int c = 0; c < 3; ++c)
          EmbossColumn(planes[c], [lowerRight, c](int y) { return ChannelByte(lowerRight[y], c); },
                       chosen.data(), count);
      }
      ComposeColumn(planes[0], planes[1], planes[2], out, rows);
    };
  });
}

template <class Gets>
void RunRelief(Module1& m, const CallContext& call, PictureSurface& target, Gets gets) {
  ChannelPlanes& p = m.planes;
  if (const Picture source = p.PendingSource())
    return ReliefFromPicture(m, call, target, *source, gets);
  std::vector<uint8_t> chosen(static_cast<size_t>(p.Height()));
  RunColumnPass(m, call, target, [&p, &chosen, gets](int x, int rows) {
    if (x + 1 >= p.Width()) return;
    const int count = std::min(rows, p.Height() - 1);
    const size_t own = p.Index(x, 0), lowerRight = p.Index(x + 1, 1);
    ChooseRows(p, own, count, gets, chosen.data());
    for (int32_t* plane : {p.PlaneR(), p.PlaneG(), p.PlaneB()}) {
      const int32_t* next = plane + lowerRight;
      EmbossColumn(plane + own, [next](int y) { return next[y]; }, chosen.data(), count);
    }
  }, ColumnOrder::InOrder, 1);
}

}  // namespace

void Relief(Module1& m, const CallContext& call, PictureSurface& target) {
  RunRelief(m, call, target, [](int32_t, int32_t, int32_t) { return true; });
}

void ReliefRed(Module1& m, const CallContext& call, PictureSurface& target, int16_t threshold) {
  RunRelief(m, call, target, [t = int32_t{threshold}](int32_t R, int32_t, int32_t) { return R < t; });
}

void ReliefGreen(Module1& m, const CallContext& call, PictureSurface& target, int16_t threshold) {
  RunRelief(m, call, target, [t = int32_t{threshold}](int32_t, int32_t G, int32_t) { return G < t; });
}

void ReliefBlue(Module1& m, const CallContext& call, PictureSurface& target, int16_t threshold) {
  RunRelief(m, call, target, [t = int32_t{threshold}](int32_t, int32_t, int32_t B) { return B < t; });
}

}  // namespace pixmora
