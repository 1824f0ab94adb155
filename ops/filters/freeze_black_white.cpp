#include "ops/filters/freeze_black_white.h"

#include <bit>
#include <cmath>

#include "core/column_pass.h"

namespace pixmora {

namespace {

// c = RoundHalfEven(|(c - a - b) x k|). The difference is taken in double,
// where it is exact. A 32-bit difference could only overflow after an earlier
// channel came near the 32-bit limit, which takes a factor of millions, whose
// product then overflows the conversion just the same and abandons the statement.
inline void FreezeChannel(int32_t& c, int32_t a, int32_t b, double k) {
  ToInt32(std::abs((static_cast<double>(c) - a - b) * k), c);
}

// The same statement where it cannot fail, without the range check that
// keeps a loop off the vector units.
inline void FreezeChannelUnchecked(int32_t& c, int32_t a, int32_t b, double k) {
  c = static_cast<int32_t>(std::nearbyint(std::abs((static_cast<double>(c) - a - b) * k)));
}

// The same where the product is exact in single precision too, so that it
// rounds to the same integer while twice as many pixels go through at once.
inline void FreezeChannelSingle(int32_t& c, int32_t a, int32_t b, double k) {
  c = static_cast<int32_t>(std::nearbyint(std::abs(static_cast<float>(c - a - b) * static_cast<float>(k))));
}

// From cells of -1..255 the differences are at most 511 for red, 256 + red
// for green and 256 + red + green for blue, where each result is the
// difference times |k| plus the rounding. The answer is blue's bound, the
// largest, and blue's result.
struct FreezeBounds {
  double difference, result;
};
FreezeBounds Bounds(double k) {
  const double f = std::abs(k);
  const double red = 511 * f + 1, green = (256 + red) * f + 1, difference = 256 + red + green;
  return {difference, difference * f + 1};
}

bool NoConversionCanFail(double k) {
  if (!(std::abs(k) <= 1e6)) return false;  // NaN too
  return Bounds(k).result < 2147483647.0;
}

// A factor with few significant bits (the menu's 1.5 and 2) times a
// difference of few bits is exact in a float's 24.
bool ExactInSingle(double k) {
  if (!NoConversionCanFail(k) || k == 0) return false;
  int exponent = 0;
  const auto mantissa = static_cast<uint64_t>(std::ldexp(std::frexp(std::abs(k), &exponent), 53));
  const int kBits = 53 - std::countr_zero(mantissa);
  int differenceBits = 0;
  std::frexp(Bounds(k).difference, &differenceBits);
  return kBits + differenceBits <= 24;
}

template <void (*Channel)(int32_t&, int32_t, int32_t, double)>
void FreezeColumn(int32_t* __restrict R, int32_t* __restrict G, int32_t* __restrict B, int rows,
                  double k) {
  // The three planes never overlap; the values of a pixel are held in
  // registers so that the loop runs on vector units.
  for (int y = 0; y < rows; ++y) {
    int32_t r = R[y], g = G[y], b = B[y];
    Channel(r, g, b, k);
    Channel(g, b, r, k);
    Channel(b, r, g, k);
    R[y] = r, G[y] = g, B[y] = b;
  }
}

constexpr ColorRef kBlack = 0;
constexpr ColorRef kWhite = PackRGB(255, 255, 255);

// The colour is written as it is, without composition.
struct BlackAndWhiteKernel {
  static constexpr bool kIndependentPixels = true;
  int32_t t;
  bool Pixel(int32_t& R, int32_t& G, int32_t& B, ColorRef& out) {
    out = R < t && G < t && B < t ? kBlack : kWhite;
    return true;
  }
  // Beyond the planes the test fails, which goes on with its black branch,
  // and the write reads no plane.
  bool Outside(ColorRef& out) {
    out = kBlack;
    return true;
  }
};

auto FreezeCells(float factor) {
  const double k = factor;
  const bool bounded = NoConversionCanFail(k), single = ExactInSingle(k);
  return [k, bounded, single](int32_t* R, int32_t* G, int32_t* B, int rows) {
    if (bounded && HoldsChannelValues(R, G, B, rows)) {
      if (single)
        FreezeColumn<FreezeChannelSingle>(R, G, B, rows, k);
      else
        FreezeColumn<FreezeChannelUnchecked>(R, G, B, rows, k);
    } else
      FreezeColumn<FreezeChannel>(R, G, B, rows, k);
  };
}

}  // namespace

void Freeze(Module1& m, const CallContext& call, PictureSurface& target, float factor) {
  RunCellColumns(m, call, target, FreezeCells(factor));
}

PixelMap FreezeMap(float factor) { return MapOfCells(FreezeCells(factor)); }

void BlackAndWhite(Module1& m, const CallContext& call, PictureSurface& target, int16_t threshold) {
  BlackAndWhiteKernel kernel{threshold};
  RunPerPixel(m, call, target, kernel);
}

PixelMap BlackAndWhiteMap(int16_t threshold) { return MapOf(BlackAndWhiteKernel{threshold}); }

}  // namespace pixmora
