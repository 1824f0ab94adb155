#include <gtest/gtest.h>

#include <vector>

#include "core/random_source.h"

namespace pixmora {

// Long runs are drawn on parallel lanes that start from skipped-ahead
// states; they must give exactly the values of one call after another.
TEST(RandomFill, GivesTheValuesOfSuccessiveDrawsAndLeavesTheSourceWhereTheyWould) {
  for (size_t count : {size_t{0}, size_t{5}, size_t{65536}, size_t{200003}}) {
    RandomSource bulk, single;
    single.Next(), bulk.Next();  // not from the starting state
    std::vector<float> values(count);
    bulk.Fill(values.data(), count);
    for (size_t i = 0; i < count; ++i) ASSERT_EQ(values[i], single.Next()) << count << " " << i;
    EXPECT_EQ(bulk.Next(), single.Next()) << count;
  }
}

TEST(RandomFill, SkippingIsDrawingWithoutLookingAtTheValues) {
  for (uint64_t n : {uint64_t{0}, uint64_t{1}, uint64_t{2}, uint64_t{1000}, uint64_t{123457}}) {
    RandomSource skipped, drawn;
    skipped.Skip(n);
    for (uint64_t i = 0; i < n; ++i) drawn.Next();
    EXPECT_EQ(skipped.Next(), drawn.Next()) << n;
    EXPECT_EQ(skipped.Next(), drawn.Next()) << n;
  }
}

}  // namespace pixmora
