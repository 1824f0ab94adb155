#include <gtest/gtest.h>

#include "tests/support/same_pixels.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

ColorRef PatternColour(int x, int y) { return PackRGB(x, y, 7); }

}  // namespace

TEST(MixPattern, TilesThePatternFromTheTopLeftCorner) {
  // 256 / 100 = 2.56 rounds to 3: tiles at 0, 100, 200 and 300 across and down.
  test::Session s(test::Varied(256, 256));
  s.ws.PatPic.SetPicture(test::MakeTestPicture(100, 100, PatternColour));
  s.ws.values.strength = 10;
  test::RunByKey(s.ws, "mix-pattern");
  for (int x = 0; x < 256; ++x)
    for (int y = 0; y < 256; ++y)
      ASSERT_EQ(s.Result(x, y), PatternColour(x % 100, y % 100)) << x << "," << y;
}

TEST(MixPattern, ANarrowPatternRoundsDownAndStillCoversTheTarget) {
  // 90 / 40 = 2.25 rounds to 2, but the loop's inclusive bound adds a third tile.
  test::Session s(test::Varied(90, 50));
  s.ws.PatPic.SetPicture(test::MakeTestPicture(40, 30, PatternColour));
  s.ws.values.strength = 10;
  test::RunByKey(s.ws, "mix-pattern");
  EXPECT_EQ(s.Result(89, 49), PatternColour(9, 19));
  EXPECT_EQ(s.Result(40, 30), PatternColour(0, 0));
}

TEST(MixPattern, BlendsImageAWithTheTiles) {
  test::Session s(test::Flat(30, 20, PackRGB(200, 0, 3)));
  s.ws.PatPic.SetPicture(test::Flat(7, 6, PackRGB(100, 255, 0)));
  s.ws.values.strength = 5;
  test::RunByKey(s.ws, "mix-pattern");
  EXPECT_EQ(s.Result(29, 19), PackRGB(150, 128, 2));
}

TEST(MixPattern, APatternWithoutAPictureMixesImageAWithItself) {
  test::Session s(test::Varied(12, 10));
  s.ws.PatPic.SetPicture(nullptr);
  test::RunByKey(s.ws, "mix-pattern");
  test::ExpectSamePixels(s.ws.Pic4.Image(), s.ws.Pic1.Image());
}

}  // namespace pixmora
