#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

constexpr ColorRef kPicture = PackRGB(100, 100, 100);
// Half way from the picture to colour 1 (200, 0, 0) at strength 5.
constexpr ColorRef kTinted = PackRGB(150, 50, 50);

}  // namespace

// Outlines from (a, a) to (w - a, h - a) for a = 20, 40, ... while 2a stays
// below the height: six on a 256 square, one at 100 x 60, none at 200 x 39.
TEST(Rectangles, OutlinesEveryTwentyPixelsInwards) {
  const struct { int w, h, outlines; } cases[] = {{256, 256, 6}, {100, 60, 1}, {200, 39, 0}};
  for (const auto& c : cases) {
    test::Session s(test::Flat(c.w, c.h, kPicture));
    s.ws.values.colour1[0] = 200;
    s.ws.values.strength = 5;
    test::RunByKey(s.ws, "rectangles");
    std::set<std::pair<int, int>> on;
    for (int a = 20; a <= 20 * c.outlines; a += 20) {
      for (int x = a; x <= c.w - a; ++x) on.insert({x, a}), on.insert({x, c.h - a});
      for (int y = a; y <= c.h - a; ++y) on.insert({a, y}), on.insert({c.w - a, y});
    }
    for (int x = 0; x < c.w; ++x)
      for (int y = 0; y < c.h; ++y)
        ASSERT_EQ(s.Result(x, y), on.count({x, y}) ? kTinted : kPicture) << x << ", " << y;
  }
}

TEST(Rectangles, StartsFromABlackResult) {
  test::Session s(test::Flat(50, 50, kPicture));
  s.ws.values.colour1[0] = 0;  // black outlines tint nothing
  test::RunByKey(s.ws, "rectangles");
  for (int x = 0; x < 50; x += 7)
    for (int y = 0; y < 50; y += 3) ASSERT_EQ(s.Result(x, y), kPicture);
  EXPECT_EQ(s.ws.Pic4.BackColor, 0u);
}

}  // namespace pixmora
