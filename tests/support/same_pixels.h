// The comparison of two pictures pixel by pixel, naming the first pixel that
// differs.
#pragma once
#include <gtest/gtest.h>

#include "core/picture.h"

namespace pixmora::test {

// Both pictures exist, have one size and the same value(picture, x, y) everywhere.
template <class Value>
void ExpectSameEverywhere(const Picture& a, const Picture& b, Value value) {
  ASSERT_TRUE(a);
  ASSERT_TRUE(b);
  ASSERT_EQ(a->Width(), b->Width());
  ASSERT_EQ(a->Height(), b->Height());
  for (int x = 0; x < a->Width(); ++x)
    for (int y = 0; y < a->Height(); ++y) ASSERT_EQ(value(*a, x, y), value(*b, x, y)) << x << ", " << y;
}

// Both pictures exist and hold the same pixels.
inline void ExpectSamePixels(const Picture& a, const Picture& b) {
  ExpectSameEverywhere(a, b, [](const PixelBuffer& p, int x, int y) { return p.At(x, y); });
}

// Both pictures exist and have the same transparency (255 where a picture
// has none).
inline void ExpectSameAlpha(const Picture& a, const Picture& b) {
  ExpectSameEverywhere(a, b, [](const PixelBuffer& p, int x, int y) { return p.AlphaAt(x, y); });
}

}  // namespace pixmora::test
