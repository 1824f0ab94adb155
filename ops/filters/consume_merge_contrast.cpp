// The planes hold LoadPlanes' values (-1..255) when a routine starts; the
// rules still abandon a statement wherever a parameter makes it fail.
#include "ops/filters/consume_merge_contrast.h"

#include <cstdlib>

#include "core/channel_table.h"

namespace pixmora {

namespace {

// c + sign x Int(c / n), converted to 32 bits; false (the statement
// abandoned) on a division by zero or an overflow.
bool ShiftByShare(int32_t& c, int sign, int16_t n) {
  if (n == 0) return false;
  int64_t share = int64_t{c} / n;  // truncated; Int() takes the floor
  if (share * n != c && (c < 0) != (n < 0)) --share;
  return ToInt32(static_cast<double>(c + sign * share), c);
}

}  // namespace

void Consume(Module1& m, const CallContext& call, PictureSurface& target, int16_t strength) {
  Mul16(strength, 8, strength);
  const int32_t s = strength;
  RunChannelFormula(m, call, target, [s](int32_t& c) { c = std::abs(c ^ s); });
}

void Merge(Module1& m, const CallContext& call, PictureSurface& target, float factor) {
  const double k = factor;
  RunChannelRule(m, call, target, [k](int32_t& c) {
    int32_t quotient;
    if (k == 0 || !ToInt32(c / k, quotient)) return;
    const int32_t mixed = c ^ quotient;
    if (mixed != INT32_MIN) c = std::abs(mixed);
  });
}

// Each channel goes through both passes: the lower one leaves values below
// 128 below 128 for a positive strength, so only one of them changes it.
void Contrast(Module1& m, const CallContext& call, PictureSurface& target, int16_t strength) {
  RunChannelRule(m, call, target, [n = strength](int32_t& c) {
    if (c < 128) ShiftByShare(c, -1, n);
    if (c < 0) c = 0;
    if (c >= 128) ShiftByShare(c, 1, n);
    if (c > 255) c = 255;
  });
}

}  // namespace pixmora
