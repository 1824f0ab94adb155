#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <utility>

#include "session/slider_command.h"
#include "ops/mixing/rotate_image.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

constexpr ColorRef kBackground = 0x123456;
constexpr float kQuarterTurn = static_cast<float>(2 * (3.14159265359 / 4));

PictureSurface Source(const Picture& picture) {
  PictureSurface s;
  s.SetPicture(picture);
  return s;
}

}  // namespace

TEST(RotateImage, AngleZeroCopiesTheCentralSquare) {
  const PictureSurface source = Source(test::Varied(9, 9));
  PictureSurface destination(9, 9, kBackground);
  RotateImage(source, destination, 0);
  for (int x = 0; x < 9; ++x)
    for (int y = 0; y < 9; ++y) ASSERT_EQ(destination.Point(x, y), source.Point(x, y));
}

TEST(RotateImage, EveryThreadCountGivesTheSamePixels) {
  for (auto [w, h] : {std::pair{61, 37}, std::pair{40, 64}}) {
    const PictureSurface source = Source(test::Varied(w, h));
    for (int value : {1, 2, 3, -5}) {
      const float angle = static_cast<float>(value * (3.14159265359 / 4));
      PictureSurface one(w + 7, h, kBackground), three(w + 7, h, kBackground);
      RotateImage(source, one, angle, 1);
      RotateImage(source, three, angle, 3);
      ASSERT_EQ(std::memcmp(one.ImageBuffer()->Data(), three.ImageBuffer()->Data(),
                            one.ImageBuffer()->Count() * sizeof(ColorRef)),
                0)
          << w << "x" << h << " at " << value;
    }
  }
}

TEST(RotateImage, AnEvenSideLeavesTheFirstColumnAndRow) {
  // Centre 5, offsets -4..4: columns and rows 1..9 are covered.
  const PictureSurface source = Source(test::Varied(10, 10));
  PictureSurface destination(10, 10, kBackground);
  RotateImage(source, destination, 0);
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 10; ++y)
      ASSERT_EQ(destination.Point(x, y), x == 0 || y == 0 ? kBackground : source.Point(x, y));
}

TEST(RotateImage, AQuarterTurnTakesThePointBelowTheCentre) {
  const PictureSurface source = Source(test::Varied(41, 41));
  PictureSurface destination(41, 41, kBackground);
  RotateImage(source, destination, kQuarterTurn);
  const int c = 20;  // round(20.5)
  EXPECT_EQ(destination.Point(c + 10, c), source.Point(c, c + 10));
  for (int x = 0; x < 41; ++x)
    for (int y = 0; y < 41; ++y) {
      const ColorRef from = source.Point(c - (y - c), c + (x - c));
      ASSERT_EQ(destination.Point(x, y), from == kInvalidColour ? kBackground : from)
          << x << "," << y;
    }
}

TEST(RotateImage, ADestinationWiderThanHighCoversItsWholeWidth) {
  const PictureSurface source = Source(test::Varied(20, 8));
  PictureSurface destination(20, 8, kBackground);
  RotateImage(source, destination, 0);
  // n = 20, offsets -9..9 around (10, 4): the rows beyond the picture are clipped.
  for (int x = 0; x < 20; ++x)
    for (int y = 0; y < 8; ++y)
      ASSERT_EQ(destination.Point(x, y), x == 0 ? kBackground : source.Point(x, y)) << x << "," << y;
}

TEST(RotateImage, ASmallerSourceLeavesTheBackground) {
  const PictureSurface source = Source(test::Flat(5, 5, PackRGB(255, 0, 0)));
  PictureSurface destination(21, 21, kBackground);
  RotateImage(source, destination, 0);
  // Centres 2 and 10: source offsets -2..2 land on 8..12.
  for (int x = 0; x < 21; ++x)
    for (int y = 0; y < 21; ++y) {
      const bool inside = x >= 8 && x <= 12 && y >= 8 && y <= 12;
      ASSERT_EQ(destination.Point(x, y), inside ? PackRGB(255, 0, 0) : kBackground) << x << "," << y;
    }
}

TEST(RotateImage, AnEighthTurnKeepsTheCentreAndTheSquaresCorners) {
  const PictureSurface source = Source(test::Varied(31, 31));
  PictureSurface destination(31, 31, kBackground);
  RotateImage(source, destination, static_cast<float>(3.14159265359 / 4));
  EXPECT_EQ(destination.Point(16, 16), source.Point(16, 16));
  // (i, j) = (10, 0) at 45 degrees: r = 10, (dx, dy) = (7, 7).
  EXPECT_EQ(destination.Point(26, 16), source.Point(23, 23));
  EXPECT_EQ(destination.Point(0, 0), kBackground) << "outside the square the offsets cover";
}

TEST(RotateImage, AnEmptyDestinationIsLeftAlone) {
  const PictureSurface source = Source(test::Varied(5, 5));
  PictureSurface destination(0, 0, kBackground);
  RotateImage(source, destination, 1.0f);
  EXPECT_EQ(destination.Width(), 0);
}

TEST(Slider1Change, ClearsTheResultRotatesImageAAndPublishes) {
  test::Session s(test::Varied(21, 13));
  s.ws.Pic4.SetSize(21, 13);
  s.ws.Pic4.PSet(0, 0, PackRGB(1, 1, 1));
  Slider1_Change(s.ws, 2);
  PictureSurface expected(21, 13, s.ws.Pic4.BackColor);
  RotateImage(s.ws.Pic1, expected, kQuarterTurn);
  for (int x = 0; x < 21; ++x)
    for (int y = 0; y < 13; ++y) ASSERT_EQ(s.Result(x, y), expected.Point(x, y)) << x << "," << y;
  EXPECT_EQ(s.Result(0, 0), s.ws.Pic4.BackColor);
  EXPECT_TRUE(std::filesystem::exists(s.ws.folders.data + "ps.bmp"));
  EXPECT_EQ(s.ws.imma.Point(10, 6), s.Result(10, 6));
}

TEST(Slider1Change, ValueZeroShowsImageAOverTheSquare) {
  test::Session s(test::Varied(15, 15));
  s.ws.Pic4.SetSize(15, 15);
  Slider1_Change(s.ws, 0);
  // Centre round(7.5) = 8 and offsets -6..6 (round(6.5) = 6): columns and rows 2..14.
  for (int x = 0; x < 15; ++x)
    for (int y = 0; y < 15; ++y)
      ASSERT_EQ(s.Result(x, y), x < 2 || y < 2 ? kDefaultBackColour : s.ws.Pic1.Point(x, y));
}

TEST(Slider1Change, EightStepsMakeAFullTurn) {
  test::Session s(test::Varied(17, 17));
  s.ws.Pic4.SetSize(17, 17);
  Slider1_Change(s.ws, 8);
  int same = 0;
  for (int x = 0; x < 17; ++x)
    for (int y = 0; y < 17; ++y) same += s.Result(x, y) == s.ws.Pic1.Point(x, y);
  EXPECT_EQ(same, 17 * 17);
}

}  // namespace pixmora
