#include <gtest/gtest.h>

#include "core/load_planes.h"
#include "ops/mixing/mixing.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

// A square of white on black, with a red centre.
Picture Target4() {
  return test::MakeTestPicture(4, 4, [](int x, int y) {
    if (x == 0 || y == 0) return PackRGB(0, 0, 0);
    return x == 2 && y == 2 ? PackRGB(255, 0, 0) : PackRGB(255, 255, 255);
  });
}

class CountingHooks : public FrameHooks {
 public:
  void SetBusyMark(bool visible) override { busy += visible ? 1 : 0; }
  void SetProgressRange(double, double) override { ++ranges; }
  void SetProgressValue(double v) override { last = v; }
  int busy = 0, ranges = 0;
  double last = -1;
};

}  // namespace

TEST(InsertShape, BlackIsTransparentAndTheShapeIsCentred) {
  test::Session s(test::Flat(8, 8, PackRGB(10, 20, 30)));
  s.ws.Pic3.SetPicture(Target4());
  s.ws.values.strength = 10;
  s.ws.values.size = 10;
  test::RunByKey(s.ws, "insert-shape");
  EXPECT_EQ(s.Result(2, 2), PackRGB(10, 20, 30)) << "the shape's black column";
  EXPECT_EQ(s.Result(3, 3), PackRGB(255, 255, 255));
  EXPECT_EQ(s.Result(4, 4), PackRGB(255, 0, 0));
  EXPECT_EQ(s.Result(5, 5), PackRGB(255, 255, 255));
  EXPECT_EQ(s.Result(6, 6), PackRGB(10, 20, 30)) << "outside the shape";
}

TEST(InsertShape, TheSizeScalesTheShape) {
  test::Session s(test::Flat(40, 40, PackRGB(0, 0, 200)));
  s.ws.Pic3.SetPicture(test::Flat(40, 40, PackRGB(200, 0, 0)));
  s.ws.values.strength = 10;
  s.ws.values.size = 5;  // a 20 x 20 shape at (10, 10)
  test::RunByKey(s.ws, "insert-shape");
  EXPECT_EQ(s.Result(9, 20), PackRGB(0, 0, 200));
  EXPECT_EQ(s.Result(10, 10), PackRGB(200, 0, 0));
  EXPECT_EQ(s.Result(29, 29), PackRGB(200, 0, 0));
  EXPECT_EQ(s.Result(30, 29), PackRGB(0, 0, 200));
}

TEST(OutlineShape, AShapeAsLargeAsTheTargetDarkensAllButItsBlackPixels) {
  test::Session s(test::Flat(12, 9, PackRGB(200, 101, 3)));
  s.ws.Pic3.SetPicture(test::MakeTestPicture(12, 9, [](int x, int y) {
    return (x + y) % 3 == 0 ? 0 : PackRGB(x * 20, 99, y);
  }));
  s.ws.values.strength = 5;
  s.ws.values.size = 10;
  test::RunByKey(s.ws, "outline");
  for (int x = 0; x < 12; ++x)
    for (int y = 0; y < 9; ++y)
      ASSERT_EQ(s.Result(x, y), (x + y) % 3 == 0 ? PackRGB(200, 101, 3) : PackRGB(100, 50, 2))
          << x << "," << y;
}

TEST(OutlineShape, BothBoundsAreInclusive) {
  test::Session s(test::MakeTestPicture(10, 10, [](int x, int y) {
    return x == 7 && y == 7 ? 0 : PackRGB(200, 200, 200);
  }));
  s.ws.Pic3.SetPicture(test::Flat(4, 4, PackRGB(255, 255, 255)));  // painted at (3, 3)
  s.ws.values.strength = 5;
  s.ws.values.size = 10;
  test::RunByKey(s.ws, "outline");
  EXPECT_EQ(s.Result(3, 3), PackRGB(100, 100, 100));
  EXPECT_EQ(s.Result(7, 5), PackRGB(100, 100, 100)) << "the column after the shape, image A";
  EXPECT_EQ(s.Result(5, 7), PackRGB(100, 100, 100)) << "the row after the shape, image A";
  EXPECT_EQ(s.Result(7, 7), 0u) << "black stays";
  EXPECT_EQ(s.Result(8, 5), PackRGB(200, 200, 200));
  EXPECT_EQ(s.Result(2, 5), PackRGB(200, 200, 200));
  EXPECT_EQ(s.ws.m.LoopX, 8);
  EXPECT_EQ(s.ws.m.LoopY, 8);
}

TEST(OutlineShape, AShapeLargerThanTheTargetIsClipped) {
  test::Session s(test::Flat(10, 6, PackRGB(200, 200, 200)));
  s.ws.Pic3.SetPicture(test::MakeTestPicture(30, 20, [](int x, int) {
    return x < 12 ? 0 : PackRGB(9, 9, 9);
  }));
  s.ws.values.strength = 5;
  s.ws.values.size = 10;  // at (-10, -7): the loops run from -10 to 20 and -7 to 13
  test::RunByKey(s.ws, "outline");
  EXPECT_EQ(s.Result(1, 3), PackRGB(200, 200, 200)) << "a black shape pixel";
  EXPECT_EQ(s.Result(2, 3), PackRGB(100, 100, 100)) << "image A darkened under the shape";
  EXPECT_EQ(s.ws.m.LoopX, 21);
  EXPECT_EQ(s.ws.m.LoopY, 14);
}

TEST(OutlineShape, LeavesTheProgressRangeAloneAndOnlyResetsItsValue) {
  test::Session s(test::Flat(10, 10, PackRGB(200, 200, 200)));
  LoadPlanes(s.ws.m, {}, s.ws.Pic1, s.ws.Pic4, 0, 0, 10, 10);
  CountingHooks hooks;
  const CallContext call{.hooks = &hooks};
  OutlineShape(s.ws.m, call, s.ws.Pic4, s.ws.Pic3, 5, 10);
  EXPECT_EQ(hooks.ranges, 0);
  EXPECT_EQ(hooks.busy, 1);
  EXPECT_EQ(hooks.last, 0);
  InsertShape(s.ws.m, call, s.ws.Pic4, s.ws.Pic3, 5, 10);
  EXPECT_EQ(hooks.ranges, 1);
}

}  // namespace pixmora
