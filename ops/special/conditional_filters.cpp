// Per-pixel kernels run by RunPerPixel. The planes hold LoadPlanes' values
// (0..255) when a routine starts, so the 32-bit sums and products here stay
// far inside their range.
#include "ops/special/conditional_filters.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/operation_frame.h"

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
      for (int32_t den = 1; den < 256; ++den) {
        int32_t v = 0;
        UnrealChannel(num, den, v);
        values_[Slot(num, den)] = static_cast<uint8_t>(v);
      }
  }

  bool Channel(int32_t num, int32_t den, int32_t& out) const {
    if (static_cast<uint32_t>(num) < 256 && static_cast<uint32_t>(den - 1) < 255) {
      out = values_[Slot(num, den)];
      return true;
    }
    return UnrealChannel(num, den, out);
  }

 private:
  static size_t Slot(int32_t num, int32_t den) { return static_cast<size_t>(num) * 256 + den; }
  std::vector<uint8_t> values_;  // every result lies in 20..145
};

struct UnrealKernel : NothingOutside {
  static constexpr bool kIndependentPixels = true;
  const UnrealTable& table;
  bool Pixel(int32_t& R, int32_t& G, int32_t& B, ColorRef& out) {
    if (G == 0 || B == 0) G = 1, B = 1;  // both, even when only one was 0
    table.Channel(G, B, R);
    table.Channel(R, B, G);
    table.Channel(R, G, B);
    return ComposeRGB(R, G, B, out);
  }
};

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

// RoundHalfEven(v / 2) in integers: the floor of the half, plus one when a
// half remains and the floor is odd. The same for every 32-bit v.
inline int32_t Half(int32_t v) { return (v >> 1) + (v & (v >> 1) & 1); }

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

void Unreal(Module1& m, PictureSurface& target) {
  static const UnrealTable table;
  UnrealKernel kernel{{}, table};
  RunPerPixel(m, target, kernel);
}

void Flame(Module1& m, PictureSurface& target) {
  FlameKernel kernel;
  RunPerPixel(m, target, kernel);
}

void Aquarel(Module1& m, PictureSurface& target) {
  AquarelKernel kernel;
  RunPerPixel(m, target, kernel);
}

}  // namespace pixmora
