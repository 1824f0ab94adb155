#include <gtest/gtest.h>

#include "core/colour_ref.h"
#include "core/numeric.h"

namespace pixmora {

TEST(Numeric, RoundsHalfToEven) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(127.5), 128);
}

TEST(Numeric, ConversionsFailOutsideTheirRange) {
  int16_t s = 0;
  EXPECT_TRUE(ToInt16(32767.4, s));
  EXPECT_EQ(s, 32767);
  EXPECT_FALSE(ToInt16(32767.5, s));  // rounds to 32768
  EXPECT_FALSE(ToInt16(int64_t{40000}, s));
  EXPECT_TRUE(ToInt16(int64_t{-32768}, s));
  int32_t i = 0;
  EXPECT_FALSE(ToInt32(3e9, i));
  EXPECT_FALSE(ToInt32(std::nan(""), i));
  EXPECT_TRUE(ToInt32(-2.5, i));
  EXPECT_EQ(i, -2);
}

TEST(Numeric, RemainderTakesTheDividendsSign) {
  EXPECT_EQ(Mod(-1, 256), -1);
  EXPECT_EQ(Mod(-7, 256), -7);
  EXPECT_EQ(Mod(300, 256), 44);
}

TEST(Composition, LimitsAndFailures) {
  ColorRef c = 0x123456;
  EXPECT_TRUE(ComposeRGB(10, 20, 30, c));
  EXPECT_EQ(c, 0x1E140Au);
  EXPECT_TRUE(ComposeRGB(256, 383, 32767, c));
  EXPECT_EQ(c, 0xFFFFFFu);
  c = 7;
  EXPECT_FALSE(ComposeRGB(-7, 0, 0, c));      // negative argument
  EXPECT_FALSE(ComposeRGB(0, 40000, 0, c));   // 16-bit overflow
  EXPECT_FALSE(ComposeRGB(0, 0, INT32_MIN, c));
  EXPECT_EQ(c, 7u) << "a failed composition leaves the destination alone";
  EXPECT_TRUE(ComposeRGB(254.5, 0.5, 1.5, c));
  EXPECT_EQ(c, PackRGB(254, 0, 2));
  EXPECT_FALSE(ComposeRGB(-0.6, 0.0, 0.0, c));
  EXPECT_TRUE(ComposeRGB(-0.5, 0.0, 0.0, c)) << "-0.5 rounds to 0";
}

}  // namespace pixmora
