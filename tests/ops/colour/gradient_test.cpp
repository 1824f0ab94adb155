#include <gtest/gtest.h>

#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

// The top-left result pixel of "Gradient" over a flat picture.
ColorRef GradientOver(ColorRef picture, int strength, ColorRef colour) {
  test::Session s(test::Flat(2, 3, picture));
  s.ws.values = test::Values(strength, colour, colour);
  test::RunByKey(s.ws, "gradient");
  return s.Result(0, 0);
}

}  // namespace

TEST(Gradient, GreyRampOn256Rows) {
  test::Session s(test::Flat(3, 256, PackRGB(7, 99, 250)));
  s.ws.values = test::Values(10, PackRGB(0, 0, 0), PackRGB(255, 255, 255));
  test::RunByKey(s.ws, "gradient");
  for (int y = 0; y < 256; ++y) {
    ASSERT_EQ(s.Result(0, y), PackRGB(y, y, y)) << y;
    ASSERT_EQ(s.Result(2, y), PackRGB(y, y, y)) << "the line paints its end pixel, row " << y;
  }
}

TEST(Gradient, BlendsInSinglePrecisionAndRoundsHalfToEven) {
  EXPECT_EQ(GradientOver(PackRGB(101, 3, 5), 5, PackRGB(0, 0, 0)), PackRGB(50, 2, 2));
  // 1 - 0.1f = 0.899999998509884: 100 gives 89.99999985, which rounds to 90.
  EXPECT_EQ(GradientOver(PackRGB(100, 0, 255), 1, PackRGB(0, 0, 0)), PackRGB(90, 0, 229));
}

TEST(Gradient, OnePixelHighTakesColourOne) {
  test::Session s(test::Flat(4, 1, PackRGB(0, 0, 0)));
  s.ws.values = test::Values(10, PackRGB(10, 20, 30), PackRGB(200, 200, 200));
  test::RunByKey(s.ws, "gradient");
  EXPECT_EQ(s.Result(3, 0), PackRGB(10, 20, 30));
}

TEST(Gradient, StepsInSinglePrecision) {
  // 100 / 3 rows: a red step of 33.333332f gives 33.333332, 66.666664 and 100.
  test::Session s(test::Flat(1, 4, PackRGB(0, 0, 0)));
  s.ws.values = test::Values(10, PackRGB(0, 0, 0), PackRGB(100, 0, 0));
  test::RunByKey(s.ws, "gradient");
  EXPECT_EQ(s.Result(0, 1), PackRGB(33, 0, 0));
  EXPECT_EQ(s.Result(0, 2), PackRGB(67, 0, 0));
  EXPECT_EQ(s.Result(0, 3), PackRGB(100, 0, 0));
}

}  // namespace pixmora
