// Per-pixel statements, run by RunPerPixel or column by column. The planes
// hold LoadPlanes' values (0..255) when a routine starts, so the 32-bit sums
// and products here stay far inside their range.
#include "ops/special/conditional_filters.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/operation_frame.h"
#include "core/column_pass.h"

namespace pixmora {

namespace {

// One Unreal statement: RoundHalfEven(|sin(atan(num / den)) * 125 + 20|).
// False when the statement fails (a zero divisor).
bool UnrealChannel(int32_t num, int32_t den, int32_t& out) {
  if (den == 0) return false;
  const double t = static_cast<double>(num) / den;
  return ToInt32(std::abs(std::sin(std::atan(t)) * 125 + 20), out);
}

// The statement's results for every numerator 0..255 and divisor 1..255,
// computed once by the statement itself: the pixel loop then costs a lookup.
class UnrealTable {
 public:
  UnrealTable() : values_(256 * 256) {
    for (int32_t num = 0; num < 256; ++num)
      for (int32_t den = 1; den < 256; ++den) UnrealChannel(num, den, values_[Slot(num, den)]);
  }

  bool Channel(int32_t num, int32_t den, int32_t& out) const {
    if (static_cast<uint32_t>(num) < 256 && static_cast<uint32_t>(den - 1) < 255) {
      out = values_[Slot(num, den)];
      return true;
    }
    return UnrealChannel(num, den, out);
  }

  // The three statements of count pixels whose channels all lie in 0..255:
  // every lookup then hits the table, so the loop runs on vector units.
  void Column(int32_t* __restrict R, int32_t* __restrict G, int32_t* __restrict B,
              int count) const {
    const int32_t* __restrict table = values_.data();
    for (int y = 0; y < count; ++y) {
      const bool zero = G[y] == 0 || B[y] == 0;
      const int32_t g = zero ? 1 : G[y], b = zero ? 1 : B[y];
      const int32_t r = table[g * 256 + b];
      const int32_t g2 = table[r * 256 + b];
      R[y] = r, G[y] = g2, B[y] = table[r * 256 + g2];
    }
  }

 private:
  static size_t Slot(int32_t num, int32_t den) { return static_cast<size_t>(num) * 256 + den; }
  std::vector<int32_t> values_;  // every result lies in 20..145
};

void UnrealPixel(const UnrealTable& table, int32_t& R, int32_t& G, int32_t& B) {
  if (G == 0 || B == 0) G = 1, B = 1;  // both, even when only one was 0
  table.Channel(G, B, R);
  table.Channel(R, B, G);
  table.Channel(R, G, B);
}

// The routine keeps its average in a local from pixel to pixel, but a third
// of a 32-bit sum always fits 32 bits: every pixel sets its own.
struct FlameKernel : NothingOutside {
  static constexpr bool kIndependentPixels = true;
  bool Pixel(int32_t& R, int32_t& G, int32_t& B, ColorRef& out) const {
    int32_t a = 0;
    ToInt32((R + G + B) / 3.0, a);
    if (R > B) {
      R = std::abs(R + a);
      B = std::abs(B - a);
    }
    return ComposeRGB(R, G, B, out);
  }
};

// Both branches are formed and one is chosen, so that the loop runs on vector units.
struct AquarelKernel : NothingOutside {
  static constexpr bool kIndependentPixels = true;
  bool Pixel(int32_t& R, int32_t& G, int32_t& B, ColorRef& out) const {
    const bool bright = R >= 128 || G >= 128 || B >= 128;
    R = bright ? Half(R) : R * 2;
    G = bright ? Half(G) : G * 2;
    B = bright ? Half(B) : B * 2;
    return ComposeRGB(R, G, B, out);
  }
};

}  // namespace

auto UnrealCells() {
  static const UnrealTable table;
  return [](int32_t* R, int32_t* G, int32_t* B, int rows) {
    if (HoldsColourBytes(R, G, B, rows)) return table.Column(R, G, B, rows);
    for (int y = 0; y < rows; ++y) UnrealPixel(table, R[y], G[y], B[y]);
  };
}

void Unreal(Module1& m, const CallContext& call, PictureSurface& target) {
  RunCellColumns(m, call, target, UnrealCells());
}

void Flame(Module1& m, const CallContext& call, PictureSurface& target) {
  FlameKernel kernel;
  RunPerPixel(m, call, target, kernel);
}

void Aquarel(Module1& m, const CallContext& call, PictureSurface& target) {
  AquarelKernel kernel;
  RunPerPixel(m, call, target, kernel);
}

PixelMap UnrealMap() { return MapOfCells(UnrealCells()); }
PixelMap FlameMap() { return MapOf(FlameKernel{}); }
PixelMap AquarelMap() { return MapOf(AquarelKernel{}); }

}  // namespace pixmora
