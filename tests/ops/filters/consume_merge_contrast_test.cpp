#include <gtest/gtest.h>

#include "tests/ops/filters/filter_test_support.h"

namespace pixmora {

namespace {

constexpr int kConsume = 12, kMerge = 13, kContrast = 14;

// One command on a grey pixel of value v; answers the red channel.
int Grey(int index, int v) {
  const Channels c = SplitColour(test::FilterPixel(index, PackRGB(v, v, v)));
  EXPECT_TRUE(c.r == c.g && c.g == c.b);
  return c.r;
}

}  // namespace

TEST(Consume, FlipsTheBitsOfForty) {
  EXPECT_EQ(Grey(kConsume, 0), 40);
  EXPECT_EQ(Grey(kConsume, 40), 0);
  EXPECT_EQ(Grey(kConsume, 100), 76);
  EXPECT_EQ(Grey(kConsume, 255), 215);
  EXPECT_EQ(test::FilterPixel(kConsume, PackRGB(8, 32, 1)), PackRGB(32, 8, 41));
}

TEST(Merge, ExclusiveOrWithTheRoundedQuotient) {
  EXPECT_EQ(Grey(kMerge, 255), 85);
  EXPECT_EQ(Grey(kMerge, 100), 39);
  EXPECT_EQ(Grey(kMerge, 2), 3);
  EXPECT_EQ(Grey(kMerge, 1), 0);
  EXPECT_EQ(Grey(kMerge, 0), 0);
  EXPECT_EQ(Grey(kMerge, 3), 1) << "3 xor 2";
}

TEST(Contrast, TheTableOfStrengthTen) {
  const std::pair<int, int> table[] = {{0, 0},     {9, 9},     {10, 9},    {19, 18},   {127, 115},
                                       {128, 140}, {200, 220}, {231, 254}, {232, 255}, {255, 255}};
  for (const auto& [in, out] : table) EXPECT_EQ(Grey(kContrast, in), out) << in;
}

}  // namespace pixmora
