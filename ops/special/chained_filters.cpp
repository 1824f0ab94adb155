// Each filter is a chain run column by column. The planes hold LoadPlanes'
// values (0..255) when a routine starts, so the 32-bit integer sums and
// products of the chains stay far inside their range; the conversions of the
// double quotients are checked (a failing one abandons its store), and the
// composition decides what a value outside 0..255 does.
#include "ops/special/chained_filters.h"

#include <cstdlib>

#include "core/operation_frame.h"
#include "core/column_pass.h"

namespace pixmora {

namespace {

// RoundHalfEven(|v| / 256) in integers: the quotient by 256 is exact in
// double, so adding 127 plus the quotient's lowest bit before the shift
// rounds exactly as the double statement does (ties go to the even side),
// and the quotient of a 32-bit value always fits 32 bits. |v| is at most
// 2^31, so the sum stays below 2^32 and the vector lanes stay 32 bits wide.
inline int32_t AbsDiv256(int32_t v) {
  const uint32_t a = v < 0 ? 0u - static_cast<uint32_t>(v) : static_cast<uint32_t>(v);
  return static_cast<int32_t>((a + 127 + ((a >> 8) & 1)) >> 8);
}

// Squares are formed in double precision.
inline double Square(int32_t d) { return static_cast<double>(d) * d; }

// The statements of the chains that go through double precision, exact for
// any plane values: the quotients are converted with their range checked,
// and a failing conversion abandons its store.
struct CheckedSteps {
  // RoundHalfEven(Square(d) / 125) into 32 bits, the quotient taken as a
  // product with the reciprocal (a division costs far more). The exact
  // quotient of a whole square by 125 lies at least 1/250 from any half;
  // below 2^31 both doubles lie within 2^-21 of it, so both round to the
  // same integer, and above it both conversions fail alike.
  static void Store125th(int32_t d, int32_t& out) { ToInt32(Square(d) * (1.0 / 125), out); }
  // RoundHalfEven(|a + b / 2|) into 32 bits.
  static void StoreAbsPlusHalf(int32_t a, int32_t b, int32_t& out) {
    ToInt32(std::abs(a + b / 2.0), out);
  }
};

// The same statements in 32-bit integers, for a column whose cells all hold
// channel values (-1..255): along every chain each squared difference or sum
// then stays below 3000 and each value below 70000, so no square or sum
// reaches 2^31 and no conversion can fail.
struct SmallSteps {
  // A whole square divided by 125 (odd) never ends in a half: adding 62
  // before the integer division rounds to nearest.
  static void Store125th(int32_t d, int32_t& out) {
    out = static_cast<int32_t>((static_cast<uint32_t>(d * d) + 62) / 125);
  }
  // |a + b / 2| = |2a + b| / 2, rounded half to even.
  static void StoreAbsPlusHalf(int32_t a, int32_t b, int32_t& out) { out = Half(std::abs(2 * a + b)); }
};

template <class Steps, class Chain>
void ChainColumn(const Chain& chain, int32_t* __restrict R, int32_t* __restrict G,
                 int32_t* __restrict B, int count) {
  for (int y = 0; y < count; ++y) chain(Steps{}, R[y], G[y], B[y]);
}

// chain(steps, R, G, B) holds the statements of one pixel, taking the
// double-precision ones from steps; then the pixel is RGB(R, G, B). A column
// of channel values runs them in integers, on vector units.
template <class Chain>
auto ChainCells(Chain chain) {
  return [chain](int32_t* R, int32_t* G, int32_t* B, int rows) {
    if (HoldsChannelValues(R, G, B, rows))
      ChainColumn<SmallSteps>(chain, R, G, B, rows);
    else
      ChainColumn<CheckedSteps>(chain, R, G, B, rows);
  };
}

template <class Chain>
void RunChain(Module1& m, const CallContext& call, PictureSurface& target, Chain chain) {
  RunCellColumns(m, call, target, ChainCells(chain));
}

// Coal composes its three channels, takes them apart again clamped, and
// writes their average as a grey. CoalChain is the composition of the
// chain, false when it fails.
inline bool CoalChain(int32_t R, int32_t G, int32_t B, ColorRef& composed) {
  R = AbsDiv256(R * (G - B + G + R));
  G = AbsDiv256(R * (B - G + B + R));
  B = AbsDiv256(G * (B - G + B + R));
  return ComposeRGB(R, G, B, composed);
}

// The grey of a composed colour, stored into the planes; answers whether the
// pixel is written, with its colour.
inline bool CoalGrey(ColorRef composed, int32_t& planeR, int32_t& planeG, int32_t& planeB,
                     ColorRef& out) {
  // |c mod 256|, |(c div 256) mod 256|, |(c div 256) div 256| of a composed
  // colour, never negative, are its three bytes.
  const auto [r, g, b] = ChannelBytes(composed);
  // RoundHalfEven((R + G + B) / 3): a third never ends in .5, so for a sum of
  // 0 or more this is (sum + 1) div 3, without a division in double.
  planeR = (r + g + b + 1) / 3;
  planeG = g, planeB = b;
  return ComposeRGB(planeR, planeR, planeR, out);
}

// The pixels of one column. A failed composition reads the colour of the
// last one that succeeded (the routine's local c, carried across columns).
// From cells of -1..255 the chain stays below 19000, so no composition can
// fail: the column then runs without that carry, on vector units, and only
// its last pixel's colour is kept.
void CoalColumn(int32_t* R, int32_t* G, int32_t* B, ColorRef* out, int rows, ColorRef& c) {
  if (HoldsChannelValues(R, G, B, rows)) {
    CoalChain(R[rows - 1], G[rows - 1], B[rows - 1], c);  // before the planes change
    for (int y = 0; y < rows; ++y) {
      ColorRef composed = 0, grey = 0;
      CoalChain(R[y], G[y], B[y], composed);
      const bool write = CoalGrey(composed, R[y], G[y], B[y], grey);
      out[y] = write ? grey : out[y];
    }
    return;
  }
  for (int y = 0; y < rows; ++y) {
    ColorRef composed;
    if (CoalChain(R[y], G[y], B[y], composed))
      c = composed;
    else
      composed = c;
    ColorRef grey;
    if (CoalGrey(composed, R[y], G[y], B[y], grey)) out[y] = grey;
  }
}

}  // namespace

constexpr auto kBrownChain = [](auto, int32_t& R, int32_t& G, int32_t& B) {
  R = AbsDiv256(G * B);
  G = AbsDiv256(B * R);
  B = AbsDiv256(R * G);
};

void Brown(Module1& m, const CallContext& call, PictureSurface& target) {
  RunChain(m, call, target, kBrownChain);
}

constexpr auto kLiquidChain = [](auto steps, int32_t& R, int32_t& G, int32_t& B) {
  steps.Store125th(G - B, R);
  steps.Store125th(R - B, G);
  steps.Store125th(R - G, B);
};

void Liquid(Module1& m, const CallContext& call, PictureSurface& target) {
  RunChain(m, call, target, kLiquidChain);
}

constexpr auto kYellowChain = [](auto steps, int32_t& R, int32_t& G, int32_t& B) {
  steps.Store125th(G - R, B);
  steps.Store125th(G - B, R);
  steps.Store125th(B + R, G);
};

void Yellow(Module1& m, const CallContext& call, PictureSurface& target) {
  RunChain(m, call, target, kYellowChain);
}

// Planes still waiting for a picture's split hold only channel values: no
// composition can fail, so no colour carries over from one column to the
// next, and the columns are shared out among the threads.
void Coal(Module1& m, const CallContext& call, PictureSurface& target) {
  ChannelPlanes& p = m.planes;
  const ColumnOrder order = p.LoadPending() ? ColumnOrder::Independent : ColumnOrder::OwnCellsInOrder;
  ForEachColumnRun(m, call, target, order, [&p](int, int) {
    return [&p, c = ColorRef{0}](int x, ColorRef* out, int rows) mutable {
      if (rows == 0) return;
      const size_t base = p.Index(x, 0);
      CoalColumn(p.PlaneR() + base, p.PlaneG() + base, p.PlaneB() + base, out, rows, c);
    };
  });
}

constexpr auto kDarkChain = [](auto, int32_t& R, int32_t& G, int32_t& B) {
  R = std::abs(R - 64);
  G = std::abs(R - 64);
  B = std::abs(R - 64);
};

// Dark resets the progress bar at the end like every other filter (the frame
// does it): a bar left standing at the last column would look like a command
// still running.
void Dark(Module1& m, const CallContext& call, PictureSurface& target) {
  RunChain(m, call, target, kDarkChain);
}

constexpr auto kPartialDarknessChain = [](auto, int32_t& R, int32_t& G, int32_t& B) {
  R = std::abs(G - 64);
  G = std::abs(G - 64);
  B = std::abs(G - 64);
};

void PartialDarkness(Module1& m, const CallContext& call, PictureSurface& target) {
  RunChain(m, call, target, kPartialDarknessChain);
}

constexpr auto kVioletChain = [](auto steps, int32_t& R, int32_t& G, int32_t& B) {
  steps.StoreAbsPlusHalf(G, R, R);
  steps.StoreAbsPlusHalf(B, G, G);
  steps.StoreAbsPlusHalf(R, B, B);
};

void Violet(Module1& m, const CallContext& call, PictureSurface& target) {
  RunChain(m, call, target, kVioletChain);
}

constexpr auto kSpookyChain = [](auto steps, int32_t& R, int32_t& G, int32_t& B) {
  steps.StoreAbsPlusHalf(R, G, G);
  steps.StoreAbsPlusHalf(R, B, B);
};

// Red stays as it is.
void Spooky(Module1& m, const CallContext& call, PictureSurface& target) {
  RunChain(m, call, target, kSpookyChain);
}

PixelMap BrownMap() { return MapOfCells(ChainCells(kBrownChain)); }
PixelMap LiquidMap() { return MapOfCells(ChainCells(kLiquidChain)); }
PixelMap YellowMap() { return MapOfCells(ChainCells(kYellowChain)); }
PixelMap DarkMap() { return MapOfCells(ChainCells(kDarkChain)); }
PixelMap PartialDarknessMap() { return MapOfCells(ChainCells(kPartialDarknessChain)); }
PixelMap VioletMap() { return MapOfCells(ChainCells(kVioletChain)); }
PixelMap SpookyMap() { return MapOfCells(ChainCells(kSpookyChain)); }

}  // namespace pixmora
