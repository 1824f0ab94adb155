#include "core/large_array.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace pixmora {

TEST(LargeArray, ZeroFilledAndWritableOnBothSidesOfTheMappingThreshold) {
  constexpr size_t kMiB = size_t{1} << 20;
  for (size_t count : {size_t{0}, size_t{1}, kMiB / 2 - 1, kMiB / 2, 3 * kMiB / 2 + 5}) {
    LargeArray<uint32_t> a = MakeLargeArray<uint32_t>(count);
    ASSERT_TRUE(a) << count;
    if (count == 0) continue;
    for (size_t i : {size_t{0}, count / 2, count - 1}) EXPECT_EQ(a[i], 0u) << count;
    a[0] = a[count - 1] = 0xFFFFFFFFu;
    EXPECT_EQ(a[count - 1], 0xFFFFFFFFu);
  }
}

}  // namespace pixmora
