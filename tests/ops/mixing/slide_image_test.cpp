#include <gtest/gtest.h>

#include "tests/support/test_pictures.h"

namespace pixmora {

TEST(SlideImage, TheWeightGrowsAsTheSquareRootOfXOverW) {
  test::Session s(test::Flat(4, 3, PackRGB(200, 200, 200)));
  s.ws.Pic2.SetPicture(test::Flat(4, 3, 0));
  test::RunByKey(s.ws, "slide-image");
  const int expected[] = {200, 100, 59, 27};
  for (int x = 0; x < 4; ++x)
    for (int y = 0; y < 3; ++y)
      ASSERT_EQ(s.Result(x, y), PackRGB(expected[x], expected[x], expected[x])) << x;
}

TEST(SlideImage, ColumnZeroIsImageAExactly) {
  test::Session s(test::Varied(30, 20));
  s.ws.Pic2.SetPicture(test::MakeTestPicture(13, 7, [](int x, int y) {
    return PackRGB(x * 19, 255 - y * 30, 128);
  }));
  test::RunByKey(s.ws, "slide-image");
  for (int y = 0; y < 20; ++y) ASSERT_EQ(s.Result(0, y), s.ws.Pic1.Point(0, y));
  EXPECT_NE(s.Result(29, 10), s.ws.Pic1.Point(29, 10));
}

TEST(SlideImage, ImageBIsStretchedOverTheWholeTarget) {
  test::Session s(test::Flat(64, 40, PackRGB(0, 0, 0)));
  s.ws.Pic2.SetPicture(test::Flat(16, 10, PackRGB(255, 255, 255)));
  test::RunByKey(s.ws, "slide-image");
  // w = sqrt(63/64 in single precision) at the last column, on every row
  EXPECT_EQ(s.Result(63, 0), PackRGB(253, 253, 253));
  EXPECT_EQ(s.Result(63, 39), PackRGB(253, 253, 253));
}

}  // namespace pixmora
