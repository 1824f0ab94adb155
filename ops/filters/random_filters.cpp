// The planes hold LoadPlanes' values (-1..255) when a routine starts, so the
// 32-bit sums cannot overflow and no channel becomes negative.
#include "ops/filters/random_filters.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "ops/filters/column_pass.h"

namespace pixmora {

namespace {

// The offset of one draw: RoundHalfEven(r x k - 2) into 16 bits, in double
// precision from the single-precision factor. A failed conversion leaves d.
inline void DrawOffset(RandomSource& random, float k, int16_t& d) {
  ToInt16(static_cast<double>(random.Next()) * k - 2.0, d);
}

// One draw per offset, in order; d carries over between draws.
void DrawOffsets(RandomSource& random, float k, int16_t& d, std::vector<int16_t>& offsets) {
  for (int16_t& offset : offsets) {
    DrawOffset(random, k, d);
    offset = d;
  }
}

inline void AddOffset(int32_t& R, int32_t& G, int32_t& B, int32_t d) {
  R = std::abs(R + d);
  G = std::abs(G + d);
  B = std::abs(B + d);
}

// Adds one offset per row to the cells of one column of the three planes.
void AddOffsets(ChannelPlanes& p, int x, int rows, const int16_t* offsets) {
  const size_t base = p.Index(x, 0);
  int32_t *R = p.PlaneR() + base, *G = p.PlaneG() + base, *B = p.PlaneB() + base;
  for (int y = 0; y < rows; ++y) AddOffset(R[y], G[y], B[y], offsets[y]);
}

// c = RoundHalfEven((r x c + c) / 2). The result lies between c / 2 and c,
// so the conversion never fails.
inline void Darken(float r, int32_t& c) {
  c = static_cast<int32_t>(std::nearbyint((static_cast<double>(r) * c + c) / 2));
}

}  // namespace

// The draws of a column are made first (nothing else draws in between), so
// that the statements run as plain loops. A pixel beyond the planes still
// draws, because the draw is a statement of its own; nothing uses those
// draws, so the ones of the columns beyond the planes, all at the end, are
// made after the pass.
void Diffuse(Module1& m, PictureSurface& target, int16_t strength) {
  int16_t k16 = 0;  // an overflowing product is abandoned and leaves 0: every offset is -2
  Mul16(strength, 50, k16);
  const float k = k16;
  const int h = std::max(target.Height(), 0);
  std::vector<int16_t> offsets(static_cast<size_t>(h));
  int16_t d = 0;
  ChannelPlanes& p = m.planes;
  RunColumnPass(m, target, [&](int x, int rows) {
    DrawOffsets(m.random, k, d, offsets);
    AddOffsets(p, x, rows, offsets.data());
  });
  const int w = std::max(target.Width(), 0);
  for (long n = static_cast<long>(w - std::min(w, p.Width())) * h; n > 0; --n)
    DrawOffset(m.random, k, d);
}

void Haze(Module1& m, PictureSurface& target, int16_t& strength) {
  Mul16(strength, 10, strength);  // an overflow leaves the strength, which is then the factor
  // One draw per row, top to bottom, rows beyond the planes included. Nothing
  // else draws in between and the pixels do not depend on one another, so the
  // offsets are drawn first and the pixels treated column by column, the
  // order in which planes and pictures are stored. The progress bar follows
  // that pass.
  std::vector<int16_t> offsets(static_cast<size_t>(std::max(target.Height(), 0)));
  int16_t d = 0;
  DrawOffsets(m.random, static_cast<float>(strength), d, offsets);
  ChannelPlanes& p = m.planes;
  RunColumnPass(m, target,
                [&p, &offsets](int x, int rows) { AddOffsets(p, x, rows, offsets.data()); });
}

// Three draws per pixel, red, green, blue, made for a whole column first.
// Beyond the planes each statement fails on its plane before its draw, so
// nothing is drawn there.
void Disorder(Module1& m, PictureSurface& target) {
  ChannelPlanes& p = m.planes;
  std::vector<float> draws(3 * static_cast<size_t>(std::max(p.Height(), 0)));
  RunColumnPass(m, target, [&](int x, int rows) {
    for (size_t i = 0; i < 3 * static_cast<size_t>(rows); ++i) draws[i] = m.random.Next();
    const size_t base = p.Index(x, 0);
    int32_t *R = p.PlaneR() + base, *G = p.PlaneG() + base, *B = p.PlaneB() + base;
    for (int y = 0; y < rows; ++y) {
      Darken(draws[3 * y], R[y]);
      Darken(draws[3 * y + 1], G[y]);
      Darken(draws[3 * y + 2], B[y]);
    }
  });
}

}  // namespace pixmora
