#include <gtest/gtest.h>

#include "tests/ops/filters/filter_test_support.h"

namespace pixmora {

namespace {

// One command on a grey pixel of value v; answers the red channel.
int Grey(const std::string& key, int v) {
  const Channels c = SplitColour(test::FilterPixel(key, PackRGB(v, v, v)));
  EXPECT_TRUE(c.r == c.g && c.g == c.b);
  return c.r;
}

}  // namespace

TEST(Consume, FlipsTheBitsOfForty) {
  EXPECT_EQ(Grey("consume", 0), 40);
  EXPECT_EQ(Grey("consume", 40), 0);
  EXPECT_EQ(Grey("consume", 100), 76);
  EXPECT_EQ(Grey("consume", 255), 215);
  EXPECT_EQ(test::FilterPixel("consume", PackRGB(8, 32, 1)), PackRGB(32, 8, 41));
}

TEST(Merge, ExclusiveOrWithTheRoundedQuotient) {
  EXPECT_EQ(Grey("merge", 255), 85);
  EXPECT_EQ(Grey("merge", 100), 39);
  EXPECT_EQ(Grey("merge", 2), 3);
  EXPECT_EQ(Grey("merge", 1), 0);
  EXPECT_EQ(Grey("merge", 0), 0);
  EXPECT_EQ(Grey("merge", 3), 1) << "3 xor 2";
}

TEST(Contrast, TheTableOfStrengthTen) {
  const std::pair<int, int> table[] = {{0, 0},     {9, 9},     {10, 9},    {19, 18},   {127, 115},
                                       {128, 140}, {200, 220}, {231, 254}, {232, 255}, {255, 255}};
  for (const auto& [in, out] : table) EXPECT_EQ(Grey("contrast", in), out) << in;
}

}  // namespace pixmora
