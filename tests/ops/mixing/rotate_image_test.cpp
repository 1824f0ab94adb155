#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "session/slider_command.h"
#include "ops/mixing/rotate_image.h"
#include "tests/support/same_pixels.h"
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

// At angle zero the source is copied over the square of offsets around the
// centres, and the background stays elsewhere.
TEST(RotateImage, AngleZeroCopiesTheSquareTheOffsetsCover) {
  const struct {
    int sourceW, sourceH, w, h;
    int left, top, right, bottom;  // the destination pixels covered
    int shift;                     // destination minus source coordinates
  } cases[] = {
      {9, 9, 9, 9, 0, 0, 8, 8, 0},      // centre 4, offsets -4..4
      {10, 10, 10, 10, 1, 1, 9, 9, 0},  // centre 5, offsets -4..4
      {20, 8, 20, 8, 1, 0, 19, 7, 0},   // centres (10, 4), offsets -9..9, clipped to the rows
      {5, 5, 21, 21, 8, 8, 12, 12, 8},  // centres 2 and 10: the source lands on 8..12
  };
  for (const auto& c : cases) {
    const PictureSurface source = Source(test::Varied(c.sourceW, c.sourceH));
    PictureSurface destination(c.w, c.h, kBackground);
    RotateImage({}, source, destination, 0);
    for (int x = 0; x < c.w; ++x)
      for (int y = 0; y < c.h; ++y) {
        const bool covered = x >= c.left && x <= c.right && y >= c.top && y <= c.bottom;
        ASSERT_EQ(destination.Point(x, y),
                  covered ? source.Point(x - c.shift, y - c.shift) : kBackground)
            << c.w << " x " << c.h << ": " << x << ", " << y;
      }
  }
}

TEST(RotateImage, EveryThreadCountGivesTheSamePixels) {
  for (auto [w, h] : {std::pair{61, 37}, std::pair{40, 64}}) {
    const PictureSurface source = Source(test::Varied(w, h));
    for (int value : {1, 2, 3, -5}) {
      SCOPED_TRACE(testing::Message() << w << "x" << h << " at " << value);
      const float angle = static_cast<float>(value * (3.14159265359 / 4));
      PictureSurface one(w + 7, h, kBackground), three(w + 7, h, kBackground);
      RotateImage({.threads = 1}, source, one, angle);
      RotateImage({.threads = 3}, source, three, angle);
      test::ExpectSamePixels(one.Image(), three.Image());
    }
  }
}

TEST(RotateImage, AQuarterTurnTakesThePointBelowTheCentre) {
  const PictureSurface source = Source(test::Varied(41, 41));
  PictureSurface destination(41, 41, kBackground);
  RotateImage({}, source, destination, kQuarterTurn);
  const int c = 20;  // round(20.5); 10 pixels right of it shows what was 10 below it
  for (int x = 0; x < 41; ++x)
    for (int y = 0; y < 41; ++y) {
      const ColorRef from = source.Point(c - (y - c), c + (x - c));
      ASSERT_EQ(destination.Point(x, y), from == kInvalidColour ? kBackground : from)
          << x << "," << y;
    }
}

TEST(RotateImage, AnEighthTurnKeepsTheCentreAndTheSquaresCorners) {
  const PictureSurface source = Source(test::Varied(31, 31));
  PictureSurface destination(31, 31, kBackground);
  RotateImage({}, source, destination, static_cast<float>(3.14159265359 / 4));
  EXPECT_EQ(destination.Point(16, 16), source.Point(16, 16));
  // (i, j) = (10, 0) at 45 degrees: r = 10, (dx, dy) = (7, 7).
  EXPECT_EQ(destination.Point(26, 16), source.Point(23, 23));
  EXPECT_EQ(destination.Point(0, 0), kBackground) << "outside the square the offsets cover";
}

TEST(RotateImage, AnEmptyDestinationIsLeftAlone) {
  const PictureSurface source = Source(test::Varied(5, 5));
  PictureSurface destination(0, 0, kBackground);
  RotateImage({}, source, destination, 1.0f);
  EXPECT_EQ(destination.Width(), 0);
}

TEST(Slider1Change, ClearsTheResultRotatesImageAAndPublishes) {
  test::Session s(test::Varied(21, 13));
  s.ws.Pic4.SetSize(21, 13);
  s.ws.Pic4.PSet(0, 0, PackRGB(1, 1, 1));
  Slider1_Change(s.ws, 2);
  PictureSurface expected(21, 13, s.ws.Pic4.BackColor);
  RotateImage({}, s.ws.Pic1, expected, kQuarterTurn);
  test::ExpectSamePixels(s.ws.Pic4.Image(), expected.Image());
  EXPECT_EQ(s.Result(0, 0), s.ws.Pic4.BackColor);
  EXPECT_TRUE(std::filesystem::exists(s.ws.folders.data + "ps.bmp"));
  EXPECT_EQ(s.ws.imma.Point(10, 6), s.Result(10, 6));
}

// The result takes image A's size before the turn, whatever size the result
// surface kept from an earlier picture (or none before the first command).
TEST(Slider1Change, TheResultTakesImageAsSize) {
  test::Session s(test::Varied(21, 13));
  s.ws.Pic4.SetSize(40, 40);
  Slider1_Change(s.ws, 1);
  EXPECT_EQ(s.ws.Pic4.Width(), 21);
  EXPECT_EQ(s.ws.Pic4.Height(), 13);
  test::Session first(test::Varied(9, 30));
  Slider1_Change(first.ws, 0);
  EXPECT_EQ(first.ws.imma.Image()->Width(), 9);
  EXPECT_EQ(first.ws.imma.Image()->Height(), 30);
}

// Value 0 shows image A over the square of offsets (centre round(7.5) = 8,
// offsets -6..6: columns and rows 2..14); eight steps make a full turn.
TEST(Slider1Change, ValuesTurnInEighths) {
  test::Session s(test::Varied(15, 15));
  s.ws.Pic4.SetSize(15, 15);
  Slider1_Change(s.ws, 0);
  for (int x = 0; x < 15; ++x)
    for (int y = 0; y < 15; ++y)
      ASSERT_EQ(s.Result(x, y), x < 2 || y < 2 ? kDefaultBackColour : s.ws.Pic1.Point(x, y));
  test::Session odd(test::Varied(17, 17));
  odd.ws.Pic4.SetSize(17, 17);
  Slider1_Change(odd.ws, 8);
  test::ExpectSamePixels(odd.ws.Pic4.Image(), odd.ws.Pic1.Image());
}

}  // namespace pixmora
