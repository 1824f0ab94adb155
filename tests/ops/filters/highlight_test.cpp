#include <gtest/gtest.h>

#include "ops/filters/highlight.h"
#include "tests/ops/filters/filter_test_support.h"

namespace pixmora {

namespace {

// Statement by statement in double precision, every index checked: three
// pushes, then the clamps of red, green and blue.
void ReferenceHighlight(Module1& m, PictureSurface& target) {
  ChannelPlanes& p = m.planes;
  test::ReferenceFrame(m, target, [&](int x, int y) {
    for (int32_t* plane : test::AllPlanes(m))
      if (p.Inside(x, y) && p.Inside(x - 1, y - 1)) {
        const int32_t v = plane[p.Index(x, y)], n = plane[p.Index(x - 1, y - 1)];
        ToInt32(v + 0.5 * (v - n), plane[p.Index(x, y)]);
      }
    if (!p.Inside(x, y)) return;
    for (int32_t* plane : test::AllPlanes(m)) {
      int32_t& v = plane[p.Index(x, y)];
      if (v > 255) v = 255;
      if (v < 0) v = 0;
    }
  });
}

Picture GreyWith(int w, int h, int x0, int y0, ColorRef pixel) {
  return test::MakeTestPicture(
      w, h, [=](int x, int y) { return x == x0 && y == y0 ? pixel : PackRGB(100, 100, 100); });
}

}  // namespace

TEST(Highlight, TheLowerRightPixelReadsTheTreatedCentre) {
  test::Session s(GreyWith(3, 3, 1, 1, PackRGB(200, 200, 200)));
  test::RunByKey(s.ws, "highlight");
  EXPECT_EQ(s.Result(1, 1), PackRGB(250, 250, 250));
  EXPECT_EQ(s.Result(2, 2), PackRGB(25, 25, 25));
  for (int x = 0; x < 3; ++x)
    for (int y = 0; y < 3; ++y)
      if (x != y || x == 0) {
        EXPECT_EQ(s.Result(x, y), PackRGB(100, 100, 100)) << x << ", " << y;
      }
}

TEST(Highlight, HalvesRoundToEven) {
  test::Session s(GreyWith(2, 2, 1, 1, PackRGB(101, 103, 100)));
  test::RunByKey(s.ws, "highlight");
  EXPECT_EQ(s.Result(1, 1), PackRGB(102, 104, 100)) << "101.5 gives 102, 104.5 gives 104";
}

TEST(Highlight, ClampsBothWays) {
  test::Session s(test::MakeTestPicture(2, 2, [](int x, int y) {
    if (x == 0 && y == 0) return PackRGB(255, 0, 120);
    return x == 1 && y == 1 ? PackRGB(0, 255, 120) : PackRGB(7, 7, 7);
  }));
  test::RunByKey(s.ws, "highlight");
  EXPECT_EQ(s.Result(1, 1), PackRGB(0, 255, 120));
  EXPECT_EQ(s.ws.m.planes.R(1, 1), 0) << "-128 clamped";
  EXPECT_EQ(s.ws.m.planes.G(1, 1), 255) << "382 clamped";
}

// On several threads, pictures tall enough are cut into bands of rows, each
// a column behind the one above it (two and five bands over 330 rows). The
// first column and row, and pictures one pixel wide, keep the input.
TEST(Highlight, MatchesTheStatementByStatementRoutine) {
  for (int threads : {1, 2, 5})
    for (const Picture& p : {test::Noisy(37, 23), test::Varied(23, 37), test::Noisy(2, 2, 5),
                             test::Noisy(17, 330, 6), test::Noisy(1, 9), test::Noisy(9, 1)}) {
      SCOPED_TRACE(threads);
      test::ExpectSameAsReference(
          p, [threads](Module1& m, PictureSurface& t) { Highlight(m, {.threads = threads}, t); },
          ReferenceHighlight);
    }
}

}  // namespace pixmora
