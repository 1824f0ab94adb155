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


// A freed mapping serves the next array: cleared where its last owner wrote,
// untouched pages left as they were (zero), a larger one split for a smaller
// array with its rest kept for another.
TEST(LargeArray, AKeptMappingComesBackCleared) {
  constexpr size_t kCells = size_t{24} << 20;  // 96 MB
  {
    LargeArray<uint32_t> a = MakeLargeArray<uint32_t>(kCells);
    for (size_t i = 0; i < kCells / 2; i += 997) a[i] = 0xFFFFFFFFu;  // half of it touched
    a[kCells - 1] = 7;
  }
  const size_t kept = KeptLargeBytes();
  EXPECT_GE(kept, kCells * 4);
  LargeArray<uint32_t> small = MakeLargeArray<uint32_t>(kCells / 3);
  LargeArray<uint32_t> rest = MakeLargeArray<uint32_t>(kCells / 2);
  EXPECT_EQ(KeptLargeBytes(), kept - (kCells / 3 + kCells / 2) * 4) << "both taken from kept mappings";
  for (size_t i = 0; i < kCells / 3; i += 997) ASSERT_EQ(small[i], 0u) << i;
  for (size_t i = 0; i < kCells / 2; i += 991) ASSERT_EQ(rest[i], 0u) << i;
}

}  // namespace pixmora
