#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "ops/effects/rectangles.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

constexpr ColorRef kPicture = PackRGB(100, 100, 100);
// Half way from the picture to colour 1 (200, 0, 0).
constexpr ColorRef kTinted = PackRGB(150, 50, 50);

// Runs "Rectangles" on a flat grey picture with colour 1 (200, 0, 0) at strength 5.
void RunRectangles(test::Session& s) {
  s.ws.values.colour1[0] = 200;
  s.ws.values.strength = 5;
  mnuEff_Click(s.ws, 8);
}

// The pixels of the outline from (a, a) to (w - a, h - a).
void AddOutline(std::set<std::pair<int, int>>& on, int a, int w, int h) {
  for (int x = a; x <= w - a; ++x) on.insert({x, a}), on.insert({x, h - a});
  for (int y = a; y <= h - a; ++y) on.insert({a, y}), on.insert({w - a, y});
}

void ExpectOutlines(const test::Session& s, const std::set<std::pair<int, int>>& on) {
  for (int x = 0; x < s.ws.Pic4.Width(); ++x)
    for (int y = 0; y < s.ws.Pic4.Height(); ++y)
      ASSERT_EQ(s.Result(x, y), on.count({x, y}) ? kTinted : kPicture) << x << ", " << y;
}

}  // namespace

TEST(Rectangles, SixOutlinesOnA256Square) {
  test::Session s(test::Flat(256, 256, kPicture));
  RunRectangles(s);
  std::set<std::pair<int, int>> on;
  for (int a = 20; a <= 120; a += 20) AddOutline(on, a, 256, 256);
  ExpectOutlines(s, on);
  EXPECT_EQ(s.Result(120, 128), kTinted);
  EXPECT_EQ(s.Result(136, 136), kTinted);
  EXPECT_EQ(s.Result(140, 128), kPicture) << "no outline at 140";
}

TEST(Rectangles, OneOutlineOnA100By60Picture) {
  test::Session s(test::Flat(100, 60, kPicture));
  RunRectangles(s);
  std::set<std::pair<int, int>> on;
  AddOutline(on, 20, 100, 60);
  ExpectOutlines(s, on);
  EXPECT_EQ(s.Result(80, 40), kTinted);
}

TEST(Rectangles, StartsFromABlackResult) {
  test::Session s(test::Flat(50, 50, kPicture));
  s.ws.values.colour1[0] = 0;  // black outlines tint nothing
  mnuEff_Click(s.ws, 8);
  for (int x = 0; x < 50; x += 7)
    for (int y = 0; y < 50; y += 3) ASSERT_EQ(s.Result(x, y), kPicture);
  EXPECT_EQ(s.ws.Pic4.BackColor, 0u);
}

TEST(Rectangles, APictureLessThanTwoSpacingsHighIsCopied) {
  test::Session s(test::Flat(200, 39, kPicture));
  RunRectangles(s);
  ExpectOutlines(s, {});
}

TEST(Rectangles, WritesTheStrengthBackAndKeepsUncoveredPixels) {
  Module1 m;
  m.planes.Resize(60, 60);
  PictureSurface target(61, 61, 0);
  float strength = 10;
  Rectangles(m, target, 20, strength, 0, 0, 255);
  EXPECT_EQ(strength, 1.0f);
  EXPECT_EQ(target.Point(20, 20), PackRGB(0, 0, 255));
  EXPECT_EQ(target.Point(21, 21), PackRGB(0, 0, 0));
  EXPECT_EQ(m.planes.B(41, 30), 255) << "the outline to (41, 41) tints the planes";
  EXPECT_EQ(target.Point(60, 60), 0u) << "outside the planes";
}

}  // namespace pixmora
