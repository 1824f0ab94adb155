#include "ops/filters/freeze_black_white.h"

#include <cmath>

#include "ops/filters/column_pass.h"

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

// From cells of -1..255: red is at most 511|k|, green at most (256 + red)|k|,
// blue at most (256 + red + green)|k| (each plus the rounding). When blue
// stays within 32 bits, no conversion can fail.
bool NoConversionCanFail(double k) {
  const double f = std::abs(k);
  if (!(f <= 1e6)) return false;  // NaN too
  const double red = 511 * f + 1, green = (256 + red) * f + 1, blue = (256 + red + green) * f + 1;
  return blue < 2147483647.0;
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

}  // namespace

void Freeze(Module1& m, PictureSurface& target, float factor) {
  const double k = factor;
  const bool bounded = NoConversionCanFail(k);
  RunCellColumns(m, target, [k, bounded](int32_t* R, int32_t* G, int32_t* B, int rows) {
    if (bounded && HoldsChannelValues(R, G, B, rows))
      FreezeColumn<FreezeChannelUnchecked>(R, G, B, rows, k);
    else
      FreezeColumn<FreezeChannel>(R, G, B, rows, k);
  });
}

void BlackAndWhite(Module1& m, PictureSurface& target, int16_t threshold) {
  BlackAndWhiteKernel kernel{threshold};
  RunPerPixel(m, target, kernel);
}

}  // namespace pixmora
