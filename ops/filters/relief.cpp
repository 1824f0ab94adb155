// The planes hold LoadPlanes' values (-1..255) when a routine starts, so the
// differences cannot overflow. The results stay unclamped in the planes
// (0..383); the composition takes values above 255 as 255.
#include "ops/filters/relief.h"

#include <cstdlib>

#include "ops/filters/column_pass.h"

namespace pixmora {

namespace {

inline int32_t Emboss(int32_t own, int32_t lowerRight) { return std::abs(own - lowerRight + 128); }

// gets(R, G, B) answers whether a pixel gets the relief, from its own values.
// The lower-right neighbour lies in the next column, which is still
// untreated, so no change spreads. The last column and the last row of the
// planes have no such neighbour: their relief statements are abandoned and
// they are written with their own colour.
template <class Gets>
void RunRelief(Module1& m, PictureSurface& target, Gets gets) {
  ChannelPlanes& p = m.planes;
  RunColumnPass(m, target, [&p, gets](int x, int rows) {
    if (x + 1 >= p.Width()) return;
    const int count = std::min(rows, p.Height() - 1);
    const size_t own = p.Index(x, 0), lowerRight = p.Index(x + 1, 1);
    int32_t *R = p.PlaneR() + own, *G = p.PlaneG() + own, *B = p.PlaneB() + own;
    const int32_t* Rn = p.PlaneR() + lowerRight;
    const int32_t* Gn = p.PlaneG() + lowerRight;
    const int32_t* Bn = p.PlaneB() + lowerRight;
    for (int y = 0; y < count; ++y) {
      if (!gets(R[y], G[y], B[y])) continue;
      R[y] = Emboss(R[y], Rn[y]);
      G[y] = Emboss(G[y], Gn[y]);
      B[y] = Emboss(B[y], Bn[y]);
    }
  });
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
