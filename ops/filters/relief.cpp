// The planes hold LoadPlanes' values (-1..255) when a routine starts, so the
// differences cannot overflow. The results stay unclamped in the planes
// (0..383); the composition takes values above 255 as 255.
#include "ops/filters/relief.h"

#include <algorithm>
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

// The relief of rows y0 .. y0 + count - 1 of column x, whose cells R, G, B
// hold their untreated values, taking each lower-right neighbour from the
// picture the planes wait for (untreated too, being in the next column).
template <class Gets>
void EmbossCells(const PixelBuffer& source, Gets gets, int x, int y0, int32_t* R, int32_t* G, int32_t* B,
                 int count) {
  if (x + 1 >= source.Width()) return;
  count = std::min(count, source.Height() - 1 - y0);
  const ColorRef* lowerRight = source.Column(x + 1) + y0 + 1;
  for (int y = 0; y < count; ++y) {
    const bool relief = gets(R[y], G[y], B[y]);
    const Channels n = ChannelBytes(lowerRight[y]);
    const int32_t r = Emboss(R[y], n.r), g = Emboss(G[y], n.g), b = Emboss(B[y], n.b);
    R[y] = relief ? r : R[y], G[y] = relief ? g : G[y], B[y] = relief ? b : B[y];
  }
}

// Planes still waiting for a picture hold its channels, and every neighbour
// a column reads is still untreated: each column is embossed in scratch
// cells split from the picture, the columns need nothing from one another,
// and they are shared out among the threads. The planes keep waiting for the
// picture, with the relief to be put in when they are loaded.
template <class Gets>
void ReliefFromPicture(Module1& m, const CallContext& call, PictureSurface& target, const Picture& source,
                       Gets gets) {
  ChannelPlanes& p = m.planes;
  const PendingAgain pending(p, source, call.threads, target,
                             [source, gets](int x, int y0, int32_t* R, int32_t* G, int32_t* B, int count) {
                               EmbossCells(*source, gets, x, y0, R, G, B, count);
                             });
  if (target.Width() == p.Width() && target.Height() == p.Height()) target.DetachForOverwrite();  // all written
  ForEachColumnRun(m, call, target, ColumnOrder::Independent, [&](int, int) {
    return [&source, gets, scratch = std::vector<int32_t>(3 * static_cast<size_t>(p.Height()))](
               int x, ColorRef* out, int rows) mutable {
      if (rows == 0) return;
      int32_t *R = scratch.data(), *G = R + rows, *B = G + rows;
      SplitColumn(source->Column(x), R, G, B, rows);
      EmbossCells(*source, gets, x, 0, R, G, B, rows);
      ComposeColumn(R, G, B, out, rows);
    };
  });
}

template <class Gets>
void RunRelief(Module1& m, const CallContext& call, PictureSurface& target, Gets gets) {
  ChannelPlanes& p = m.planes;
  if (const Picture source = p.SetAsideLoad()) return ReliefFromPicture(m, call, target, source, gets);
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
