#include <gtest/gtest.h>

#include "ops/filters/consume_merge_contrast.h"
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

TEST(Consume, WritesStrengthTimesEightBack) {
  test::Loaded l(test::Flat(2, 2, PackRGB(100, 0, 255)));
  int16_t strength = 5;
  Consume(l.m, l.target, strength);
  EXPECT_EQ(strength, 40);
  EXPECT_EQ(l.target.Point(1, 1), PackRGB(76, 40, 215));
}

TEST(Consume, AnOverflowKeepsTheStrengthAsTheBits) {
  test::Loaded l(test::Flat(2, 2, PackRGB(100, 0, 255)));
  int16_t strength = 4096;  // 32768 does not fit 16 bits
  Consume(l.m, l.target, strength);
  EXPECT_EQ(strength, 4096);
  EXPECT_EQ(l.m.planes.R(0, 0), 4196);
  EXPECT_EQ(l.target.Point(0, 0), PackRGB(255, 255, 255));
  int16_t negative = -5;
  Consume(l.m, l.target, negative);
  EXPECT_EQ(negative, -40);
  EXPECT_EQ(l.m.planes.G(0, 0), std::abs(4096 ^ -40)) << "the sign widens, the result is folded";
}

TEST(Merge, ExclusiveOrWithTheRoundedQuotient) {
  EXPECT_EQ(Grey(kMerge, 255), 85);
  EXPECT_EQ(Grey(kMerge, 100), 39);
  EXPECT_EQ(Grey(kMerge, 2), 3);
  EXPECT_EQ(Grey(kMerge, 1), 0);
  EXPECT_EQ(Grey(kMerge, 0), 0);
  EXPECT_EQ(Grey(kMerge, 3), 1) << "3 xor 2";
}

TEST(Merge, AZeroOrTinyFactorAbandonsTheStatements) {
  test::Loaded l(test::Flat(2, 2, PackRGB(10, 20, 30)));
  Merge(l.m, l.target, 0.0f);
  EXPECT_EQ(l.target.Point(0, 0), PackRGB(10, 20, 30));
  Merge(l.m, l.target, 1e-9f);  // 10 / 1e-9 leaves 32 bits
  EXPECT_EQ(test::PlaneCell(l.m, 1, 1).g, 20);
  EXPECT_EQ(l.target.Point(0, 0), PackRGB(10, 20, 30));
}

TEST(Contrast, TheTableOfStrengthTen) {
  const std::pair<int, int> table[] = {{0, 0},     {9, 9},     {10, 9},    {19, 18},   {127, 115},
                                       {128, 140}, {200, 220}, {231, 254}, {232, 255}, {255, 255}};
  for (const auto& [in, out] : table) EXPECT_EQ(Grey(kContrast, in), out) << in;
}

TEST(Contrast, OtherStrengthsAndZero) {
  test::Loaded l(test::Flat(1, 1, PackRGB(50, 130, 255)));
  Contrast(l.m, l.target, 0);
  EXPECT_EQ(l.target.Point(0, 0), PackRGB(50, 130, 255)) << "division by zero abandons both passes";
  Contrast(l.m, l.target, 3);
  EXPECT_EQ(test::PlaneCell(l.m, 0, 0).r, 34);
  EXPECT_EQ(test::PlaneCell(l.m, 0, 0).g, 173);
  // A negative strength floors the negative share: 127 - Int(-127) = 254, then
  // the upper pass takes 254 + Int(-254) = 0.
  test::Loaded n(test::Flat(1, 1, PackRGB(127, 10, 200)));
  Contrast(n.m, n.target, -1);
  EXPECT_EQ(n.target.Point(0, 0), PackRGB(0, 20, 0));
  test::Loaded seven(test::Flat(1, 1, PackRGB(10, 10, 10)));
  Contrast(seven.m, seven.target, -7);
  EXPECT_EQ(test::PlaneCell(seven.m, 0, 0).r, 12) << "10 - Int(-1.43) = 10 + 2";
}

}  // namespace pixmora
