#include <gtest/gtest.h>

#include <cstdlib>

#include "ops/filters/fog_obscure.h"
#include "tests/ops/filters/filter_test_support.h"

namespace pixmora {

namespace {

// Statement by statement: one sum per channel, column by column, with every
// index checked; a neighbour outside abandons the channel's statement.
void ReferenceSoften(Module1& m, PictureSurface& target, int r, double divisor) {
  ChannelPlanes& p = m.planes;
  test::ReferenceFrame(m, target, [&](int x, int y) {
    for (int32_t* plane : test::AllPlanes(m)) {
      int32_t sum = 0;
      bool inside = true;
      for (int i = -r; i <= r && inside; ++i)
        for (int j = -r; j <= r && inside; ++j) {
          inside = p.Inside(x + i, y + j);
          if (inside) sum += plane[p.Index(x + i, y + j)];
        }
      if (inside) ToInt32(std::abs(sum) / divisor, plane[p.Index(x, y)]);
    }
  });
}

Picture RedDot(int w, int h, int x0, int y0, int red) {
  return test::MakeTestPicture(w, h, [=](int x, int y) {
    return x == x0 && y == y0 ? PackRGB(red, 0, 0) : PackRGB(0, 0, 0);
  });
}

int RedAt(const test::Session& s, int x, int y) { return SplitColour(s.Result(x, y)).r; }

}  // namespace

TEST(Fog, TheInPlaceTrailRunsToTheLowerRight) {
  test::Session s(RedDot(4, 3, 1, 1, 90));
  test::RunByKey(s.ws, "fog");
  EXPECT_EQ(RedAt(s, 1, 1), 10);
  EXPECT_EQ(RedAt(s, 2, 1), 1) << "sums the new 10, not the input 90";
  for (int x = 0; x < 4; ++x)
    for (int y = 0; y < 3; ++y)
      if (y != 1 || (x != 1 && x != 2)) {
        EXPECT_EQ(s.Result(x, y), 0u) << x << ", " << y;
      }
}

TEST(FogObscure, MeansRoundToNearest) {
  // The smallest picture for the square, one corner red and the rest black:
  // the centre is the only pixel treated, and its sum is the corner's red.
  const auto centre = [](const std::string& key, int side, int red) {
    test::Session s(RedDot(side, side, 0, 0, red));
    test::RunByKey(s.ws, key);
    return RedAt(s, side / 2, side / 2);
  };
  EXPECT_EQ(centre("fog", 3, 13), 1) << "13 / 9 = 1.44";
  EXPECT_EQ(centre("obscure", 5, 13), 1) << "13 / 25 = 0.52";
  EXPECT_EQ(centre("fog", 3, 5), 1) << "5 / 9 = 0.56";
  EXPECT_EQ(centre("fog", 3, 4), 0) << "4 / 9 = 0.44";
  EXPECT_EQ(centre("obscure", 5, 12), 0) << "12 / 25 = 0.48";
  EXPECT_EQ(centre("fog", 3, 255), 28) << "255 / 9 = 28.33";
  EXPECT_EQ(centre("obscure", 5, 255), 10) << "255 / 25 = 10.2";
}

// A picture the planes wait for is softened in strips of columns, which on
// several threads wait for one another (five strips of 150 rows, the last
// one narrower); a target of another size than the planes goes down the
// planes' columns, cut into bands of rows that wait for one another (three
// and four bands over 300 rows). The frame keeps the input, and pictures too
// small for the square come out unchanged.
TEST(FogObscure, MatchTheStatementByStatementRoutine) {
  const Picture pictures[] = {test::Noisy(37, 23),     test::Varied(23, 37), test::Noisy(6, 5, 3),
                              test::Noisy(19, 300, 4), test::Noisy(2, 9, 8), test::Noisy(9, 4, 9),
                              test::Noisy(61, 150, 5)};
  for (int threads : {1, 3, 4})
    for (const Picture& p : pictures) {
      SCOPED_TRACE(testing::Message() << "threads " << threads << ", height " << p->Height());
      test::ExpectSameAsReference(
          p, [threads](Module1& m, PictureSurface& t) { Fog(m, {.threads = threads}, t); },
          [](Module1& m, PictureSurface& t) { ReferenceSoften(m, t, 1, 9.0); });
      test::ExpectSameAsReference(
          p, [threads](Module1& m, PictureSurface& t) { Obscure(m, {.threads = threads}, t); },
          [](Module1& m, PictureSurface& t) { ReferenceSoften(m, t, 2, 25.0); });
    }
}

// Cells of -1 (what a point outside a picture loads as) make sums that may
// be negative, whose means take their absolute value.
TEST(FogObscure, NegativeSumsTooMatchTheStatementByStatementRoutine) {
  const auto dent = [](Module1& m) {
    for (int x = 0; x < m.planes.Width(); ++x)
      for (int y = 0; y < m.planes.Height(); ++y)
        if ((x < 6 && y < 40) || (x * 7 + y * 3) % 5 == 0)
          for (int32_t* plane : test::AllPlanes(m)) plane[m.planes.Index(x, y)] = -1;
  };
  for (int threads : {1, 3})
    for (const auto& [r, divisor] : {std::pair{1, 9.0}, std::pair{2, 25.0}}) {
      SCOPED_TRACE(testing::Message() << "threads " << threads << ", reach " << r);
      test::ExpectSameAsReference(
          test::Noisy(31, 200),
          [&, threads, r](Module1& m, PictureSurface& t) {
            dent(m);
            (r == 1 ? Fog : Obscure)(m, {.threads = threads}, t);
          },
          [&, r, divisor](Module1& m, PictureSurface& t) {
            dent(m);
            ReferenceSoften(m, t, r, divisor);
          });
    }
}

}  // namespace pixmora
