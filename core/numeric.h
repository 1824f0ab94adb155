// Numeric rules shared by every operation: rounding half to even, checked
// conversions to 16 and 32 bits, and the remainder that keeps the dividend's sign.
#pragma once
#include <cmath>
#include <cstdint>

namespace pixmora {

// Nearest integer, ties to even (the default FP rounding mode).
inline double RoundHalfEven(double v) { return std::nearbyint(v); }

// RoundHalfEven(v / 2) in integers: the floor of the half, plus one when a
// half remains and the floor is odd. The same for every 32-bit v.
inline int32_t Half(int32_t v) { return (v >> 1) + (v & (v >> 1) & 1); }

// Converts with rounding half to even; false when the value leaves the range
// (an overflow error: the statement that needed it is abandoned).
// (Written as choices of value rather than branches, so that pixel loops
// using them run on vector units.)
inline bool ToInt32(double v, int32_t& out) {
  const double r = std::nearbyint(v);
  const bool fits = r >= -2147483648.0 && r <= 2147483647.0;  // false for NaN too
  const auto q = static_cast<int32_t>(fits ? r : 0.0);
  out = fits ? q : out;
  return fits;
}

inline bool ToInt16(double v, int16_t& out) {
  const double r = std::nearbyint(v);
  const bool fits = r >= -32768.0 && r <= 32767.0;
  const auto q = static_cast<int16_t>(fits ? r : 0.0);
  out = fits ? q : out;
  return fits;
}

inline bool ToInt16(int64_t v, int16_t& out) {
  if (v < -32768 || v > 32767) return false;
  out = static_cast<int16_t>(v);
  return true;
}

// 16-bit product or sum, false on overflow.
inline bool Mul16(int16_t a, int16_t b, int16_t& out) {
  return ToInt16(static_cast<int64_t>(a) * b, out);
}

// C++ integer division already truncates toward zero and % already takes the
// dividend's sign (-1 Mod 256 = -1), which is the rule the operations rely on.
inline int32_t Mod(int32_t a, int32_t b) { return a % b; }

}  // namespace pixmora
