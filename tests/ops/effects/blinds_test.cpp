#include <gtest/gtest.h>

#include "ops/effects/blinds.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

// White through one band of 20: 255 - 255 * b / 20 for b = 0 .. 19.
constexpr int kBand[20] = {255, 242, 230, 217, 204, 191, 178, 166, 153, 140,
                           128, 115, 102, 89,  76,  64,  51,  38,  26,  13};
// Reversed: b = 20, 19, .., 1.
constexpr int kReversedBand[20] = {0,   13,  26,  38,  51,  64,  76,  89,  102, 115,
                                   128, 140, 153, 166, 178, 191, 204, 217, 230, 242};

ColorRef Grey(int v) { return PackRGB(v, v, v); }

}  // namespace

TEST(HorizontalBlinds, WhiteRowsThroughTwoBands) {
  test::Session s(test::Flat(3, 45, PackRGB(255, 255, 255)));
  mnuEff_Click(s.ws, 0);
  for (int y = 0; y < 45; ++y) {
    ASSERT_EQ(s.Result(0, y), Grey(kBand[y % 20])) << "row " << y;
    ASSERT_EQ(s.Result(2, y), Grey(kBand[y % 20])) << "row " << y;
  }
  EXPECT_EQ(s.ws.m.planes.R(1, 6), 178) << "the planes keep the darkened values";
}

TEST(HorizontalBlinds, Reversed) {
  test::Session s(test::Flat(2, 41, PackRGB(255, 255, 255)));
  mnuEff_Click(s.ws, 1);
  for (int y = 0; y < 41; ++y) ASSERT_EQ(s.Result(1, y), Grey(kReversedBand[y % 20])) << y;
}

TEST(VerticalBlinds, SameBandsAlongTheColumns) {
  test::Session s(test::Flat(42, 2, PackRGB(255, 255, 255)));
  mnuEff_Click(s.ws, 2);
  for (int x = 0; x < 42; ++x) ASSERT_EQ(s.Result(x, 1), Grey(kBand[x % 20])) << x;
  mnuEff_Click(s.ws, 3);
  for (int x = 0; x < 42; ++x) ASSERT_EQ(s.Result(x, 0), Grey(kReversedBand[x % 20])) << x;
}

TEST(HorizontalBlinds, ChannelsScaleOnTheirOwn) {
  test::Session s(test::Flat(1, 21, PackRGB(200, 255, 0)));
  mnuEff_Click(s.ws, 0);
  EXPECT_EQ(s.Result(0, 1), PackRGB(190, 242, 0));
  EXPECT_EQ(s.Result(0, 6), PackRGB(140, 178, 0));
  mnuEff_Click(s.ws, 1);
  EXPECT_EQ(s.Result(0, 0), PackRGB(0, 0, 0)) << "b = 20 scales by 0";
}

TEST(HorizontalBlinds, RowBlocksCoverEveryRowOfATallPicture) {
  // Taller than one block of rows, and the bands restart exactly every 20 rows.
  test::Session s(test::Flat(2, 150, PackRGB(255, 255, 255)));
  mnuEff_Click(s.ws, 0);
  for (int y = 0; y < 150; ++y) ASSERT_EQ(s.Result(1, y), Grey(kBand[y % 20])) << y;
}

TEST(Blinds, PixelsOutsideThePlanesKeepTheirColour) {
  Module1 m;
  m.planes.Resize(1, 1);
  m.planes.R(0, 0) = 255;
  PictureSurface target(2, 2, 0x00ABCDEF);
  HorizontalBlinds(m, target, 20, 0);
  EXPECT_EQ(target.Point(0, 0), PackRGB(255, 0, 0));
  EXPECT_EQ(target.Point(1, 0), 0x00ABCDEFu);
  EXPECT_EQ(target.Point(0, 1), 0x00ABCDEFu);
  VerticalBlinds(m, target, 20, -1);
  EXPECT_EQ(target.Point(0, 0), PackRGB(0, 0, 0));
  EXPECT_EQ(target.Point(1, 1), 0x00ABCDEFu);
}

TEST(Blinds, AZeroPeriodLeavesThePlanesAsTheyAre) {
  Module1 m;
  m.planes.Resize(1, 2);
  m.planes.G(0, 1) = 77;
  PictureSurface target(1, 2, 0x00ABCDEF);
  HorizontalBlinds(m, target, 0, 0);
  EXPECT_EQ(target.Point(0, 1), PackRGB(0, 77, 0));
}

}  // namespace pixmora
