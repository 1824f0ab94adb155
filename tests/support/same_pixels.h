// The comparison of two pictures pixel by pixel, naming the first pixel that
// differs.
#pragma once
#include <gtest/gtest.h>

#include "core/picture.h"

namespace pixmora::test {

// Both pictures exist and hold the same pixels.
inline void ExpectSamePixels(const Picture& a, const Picture& b) {
  ASSERT_TRUE(a);
  ASSERT_TRUE(b);
  ASSERT_EQ(a->Width(), b->Width());
  ASSERT_EQ(a->Height(), b->Height());
  for (int x = 0; x < a->Width(); ++x)
    for (int y = 0; y < a->Height(); ++y) ASSERT_EQ(a->At(x, y), b->At(x, y)) << x << ", " << y;
}

}  // namespace pixmora::test
