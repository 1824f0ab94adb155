#include <gtest/gtest.h>

#include <string_view>

#include "ops/effects/lines.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

constexpr ColorRef kBack = kDefaultBackColour;  // (33, 33, 33): the cleared result

// A target of one colour with planes of its size, for calling a routine directly.
struct Direct {
  Direct(int w, int h, ColorRef colour) : target(w, h, colour) { m.planes.Resize(w, h); }
  Module1 m;
  PictureSurface target;
};

}  // namespace

// Horizontal lines on rows 0, 20, 40, ..., vertical ones on those columns;
// a side of 20 holds exactly one line.
TEST(Lines, FullStrengthDrawsColourOneEveryTwentiethRowOrColumn) {
  const struct { std::string_view key; int w, h; } cases[] = {
      {"horizontal-lines", 3, 45}, {"horizontal-lines", 4, 20}, {"vertical-lines", 45, 2}};
  for (const auto& c : cases) {
    test::Session s(test::Flat(c.w, c.h, PackRGB(9, 9, 9)));
    s.ws.values = test::Values(10, PackRGB(255, 10, 0));
    test::RunByKey(s.ws, std::string(c.key));
    const bool rows = c.key.starts_with("horizontal");
    for (int x = 0; x < c.w; ++x)
      for (int y = 0; y < c.h; ++y)
        ASSERT_EQ(s.Result(x, y), (rows ? y : x) % 20 == 0 ? PackRGB(255, 10, 0) : kBack)
            << c.key << ": " << x << ", " << y;
  }
}

TEST(HorizontalLines, StrengthOneMovesATenthOfTheWay) {
  test::Session s(test::Flat(2, 30, PackRGB(9, 9, 9)));
  s.ws.values = test::Values(1, PackRGB(255, 0, 0));
  test::RunByKey(s.ws, "horizontal-lines");
  // 0.899999998509884 * 33 + 255 * 0.100000001490116 = 55.2; 29.7 for the others.
  EXPECT_EQ(s.Result(1, 0), PackRGB(55, 30, 30));
  EXPECT_EQ(s.Result(1, 20), PackRGB(55, 30, 30));
  EXPECT_EQ(s.Result(1, 10), kBack);
}

TEST(Lines, BlendTheTargetsOwnPixels) {
  Direct d(3, 41, PackRGB(100, 0, 255));
  HorizontalLines(d.m, {}, d.target, 20, 1, 0, 0, 0);
  EXPECT_EQ(d.target.Point(2, 40), PackRGB(90, 0, 229)) << "229.4999996";
  EXPECT_EQ(d.target.Point(2, 39), PackRGB(100, 0, 255));
  EXPECT_EQ(d.m.PixelColour, static_cast<int32_t>(PackRGB(100, 0, 255))) << "the last pixel read";
  EXPECT_EQ(d.m.planes.R(2, 40), 0) << "the planes are not touched";
  VerticalLines(d.m, {}, d.target, 20, 3, 255, 255, 255);
  // 0.7 * 100 + 255 * 0.300000011920929 = 146.5000030: 147; 0.7 * 0 + 76.500003: 77.
  EXPECT_EQ(d.target.Point(0, 1), PackRGB(147, 77, 255));
  EXPECT_EQ(d.target.Point(1, 1), PackRGB(100, 0, 255));
}

TEST(Lines, HalfStrengthTiesRoundToEven) {
  Direct d(1, 1, PackRGB(0, 1, 3));
  HorizontalLines(d.m, {}, d.target, 20, 5, 255, 0, 0);
  EXPECT_EQ(d.target.Point(0, 0), PackRGB(128, 0, 2));
}

TEST(AddSquares, CrossingsAreBlendedTwice) {
  Direct d(41, 41, PackRGB(0, 0, 0));
  AddSquares(d.m, {}, d.target, 20, 5, 200, 0, 0);
  EXPECT_EQ(d.target.Point(5, 0), PackRGB(100, 0, 0));
  EXPECT_EQ(d.target.Point(0, 5), PackRGB(100, 0, 0));
  EXPECT_EQ(d.target.Point(5, 20), PackRGB(100, 0, 0));
  EXPECT_EQ(d.target.Point(0, 0), PackRGB(150, 0, 0));
  EXPECT_EQ(d.target.Point(20, 40), PackRGB(150, 0, 0));
  EXPECT_EQ(d.target.Point(40, 40), PackRGB(150, 0, 0));
  EXPECT_EQ(d.target.Point(5, 5), PackRGB(0, 0, 0));
  EXPECT_EQ(d.m.planes.R(20, 20), 150) << "the planes hold the blended values";
  EXPECT_EQ(d.m.planes.R(5, 20), 100);
}

TEST(AddSquares, ThroughTheMenuTheGridLiesOverTheClearedResult) {
  test::Session s(test::Flat(25, 25, PackRGB(250, 250, 250)));
  s.ws.values = test::Values(5, PackRGB(200, 0, 0));
  test::RunByKey(s.ws, "squares");
  // Line: 0.5 * 33 + 100 = 116.5 -> 116, 16.5 -> 16. Crossing: 58 + 100, 8.
  EXPECT_EQ(s.Result(7, 20), PackRGB(116, 16, 16));
  EXPECT_EQ(s.Result(20, 7), PackRGB(116, 16, 16));
  EXPECT_EQ(s.Result(20, 20), PackRGB(158, 8, 8));
  EXPECT_EQ(s.Result(0, 0), PackRGB(158, 8, 8));
  EXPECT_EQ(s.Result(7, 7), kBack) << "nothing of image A";
  EXPECT_EQ(s.ws.m.planes.R(20, 20), 158) << "the planes hold the blended values";
  EXPECT_EQ(s.ws.m.planes.G(7, 20), 16);
  EXPECT_EQ(s.ws.m.planes.B(7, 7), 250) << "and image A's elsewhere";
}

}  // namespace pixmora
