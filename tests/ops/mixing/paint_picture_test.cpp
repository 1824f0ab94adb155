// PaintPicture as the Mix Image routines use it: tiles, centred shapes and
// image B stretched over the target.
#include <gtest/gtest.h>

#include "tests/support/test_pictures.h"

namespace pixmora {

TEST(PaintPicture, ATilePartlyOrWhollyOutsideTheTargetIsClipped) {
  const Picture tile = test::Varied(10, 10);
  PictureSurface s(25, 25, 0);
  for (const double at : {-30.0, -5.0, 20.0, 30.0})
    for (const double down : {-30.0, -5.0, 20.0, 30.0}) s.PaintPicture(tile, at, down, 10, 10);
  EXPECT_EQ(s.Point(0, 0), tile->At(5, 5));
  EXPECT_EQ(s.Point(24, 24), tile->At(4, 4));
  EXPECT_EQ(s.Point(10, 10), 0u);
}

TEST(PaintPicture, TheRectangleSnapsToWholePixelsLikeADevice) {
  const Picture shape = test::Varied(6, 4);
  PictureSurface s(20, 20, 0);
  s.PaintPicture(shape, 2.5, 3.5, 6.2, 3.9);  // at (2, 4), 6 x 4: an exact copy
  for (int x = 0; x < 6; ++x)
    for (int y = 0; y < 4; ++y) ASSERT_EQ(s.Point(x + 2, y + 4), shape->At(x, y));
  EXPECT_EQ(s.Point(8, 4), 0u);
  EXPECT_EQ(s.Point(2, 3), 0u);
}

TEST(PaintPicture, ShrinkingWidensTheTriangleOverEverySourcePixel) {
  // Columns of 0 and 200 alternate. Halved, each pixel weighs four source
  // columns 1/8, 3/8, 3/8, 1/8; past the edges the edge column repeats.
  const Picture stripes = test::MakeTestPicture(8, 8, [](int x, int) {
    return x % 2 ? PackRGB(200, 200, 200) : PackRGB(0, 0, 0);
  });
  PictureSurface s(4, 4, 0xFFFFFF);
  s.PaintPicture(stripes, 0, 0, 4, 4);
  const uint32_t expected[] = {75, 100, 100, 125};
  for (int x = 0; x < 4; ++x)
    for (int y = 0; y < 4; ++y)
      ASSERT_EQ(s.Point(x, y), PackRGB(expected[x], expected[x], expected[x])) << x << "," << y;
}

TEST(PaintPicture, EnlargingInterpolatesBetweenNeighbours) {
  const Picture two = test::MakeTestPicture(2, 1, [](int x, int) {
    return x ? PackRGB(255, 255, 255) : PackRGB(0, 0, 0);
  });
  PictureSurface s(8, 1, 0x123456);
  s.PaintPicture(two, 0, 0, 8, 1);
  // Centres at 0.125 + k / 4 - 0.5 source pixels: 0, 0, 32, 96, 159, 223, 255, 255.
  const int expected[] = {0, 0, 32, 96, 159, 223, 255, 255};
  for (int x = 0; x < 8; ++x) EXPECT_EQ(s.Point(x, 0) & 0xFF, static_cast<ColorRef>(expected[x])) << x;
}

TEST(PaintPicture, FlatColoursStayExactAtAnyScaleAndOnlyTheRectangleIsCovered) {
  const Picture flat = test::Flat(37, 23, PackRGB(201, 7, 99));
  for (const int w : {1, 5, 36, 38, 99}) {
    PictureSurface s(100, 60, 0);
    s.PaintPicture(flat, 0, 0, w, 59);
    ASSERT_EQ(s.Point(w - 1, 58), PackRGB(201, 7, 99)) << w;
    ASSERT_EQ(s.Point(0, 0), PackRGB(201, 7, 99)) << w;
    ASSERT_EQ(s.Point(w, 58), 0u) << w;
    ASSERT_EQ(s.Point(w - 1, 59), 0u) << w;
  }
}

}  // namespace pixmora
