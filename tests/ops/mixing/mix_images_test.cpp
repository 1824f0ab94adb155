#include <gtest/gtest.h>

#include "ops/common/blend.h"
#include "tests/support/same_pixels.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

TEST(Blend, RoundsTheDoubleResultHalfToEven) {
  EXPECT_EQ(Blended(200, Weight(0.5f), 100), 150);
  EXPECT_EQ(Blended(0, Weight(0.3f), 255), 77) << "76.500000304: the single-precision weight decides";
  EXPECT_EQ(Blended(3, Weight(0.5f), 0), 2) << "1.5";
  EXPECT_EQ(Blended(5, Weight(0.5f), 0), 2) << "2.5";
}

TEST(Blend, OnlyWhenAskedTo) {
  int32_t R = 10, G = 20, B = 30;
  BlendPlanes(R, G, B, Weight(1.0f), Channels{1, 2, 3}, false);
  EXPECT_EQ(R + G + B, 60);
  BlendPlanes(R, G, B, Weight(1.0f), Channels{1, 2, 3});
  EXPECT_EQ(R + G + B, 6);
}

TEST(MixImages, StrengthOneMovesATenthOfTheWay) {
  test::Session s(test::Flat(4, 3, PackRGB(0, 255, 200)));
  s.ws.Pic2.SetPicture(test::Flat(4, 3, PackRGB(255, 0, 100)));
  s.ws.values.strength = 1;
  test::RunByKey(s.ws, "mix-image-b");
  // 25.5000003799, 229.4999996, 189.99999985: the weight is 0.100000001490116
  EXPECT_EQ(s.Result(2, 1), PackRGB(26, 229, 190));
}

// The blended values stay in the planes, and the loop counters and the last
// pixel read stay as the last pixel left them.
TEST(MixImages, TheBlendExamples) {
  test::Session s(test::Flat(2, 2, PackRGB(200, 3, 0)));
  s.ws.Pic2.SetPicture(test::Flat(2, 2, PackRGB(100, 0, 255)));
  s.ws.values.strength = 5;
  test::RunByKey(s.ws, "mix-image-b");
  EXPECT_EQ(s.Result(1, 1), PackRGB(150, 2, 128));  // 150; 1.5 -> 2; 127.5 -> 128
  EXPECT_EQ(s.ws.m.planes.R(1, 0), 150);
  EXPECT_EQ(s.ws.m.planes.G(1, 0), 2);
  EXPECT_EQ(s.ws.m.planes.B(1, 0), 128);
  EXPECT_EQ(s.ws.m.LoopX, 2);
  EXPECT_EQ(s.ws.m.LoopY, 2);
  EXPECT_EQ(s.ws.m.PixelColour, static_cast<int32_t>(PackRGB(100, 0, 255)));
  s.ws.values.strength = 3;
  test::RunByKey(s.ws, "mix-image-b");
  EXPECT_EQ(SplitColour(s.Result(0, 0)).b, 77);
}

TEST(MixImages, ALargerImageBStopsAtThePlanes) {
  test::Session s(test::Flat(4, 3, PackRGB(1, 2, 3)));
  s.ws.Pic2.SetPicture(test::Varied(9, 7));
  s.ws.folders.work = s.root + "no such folder/";  // image B keeps its size
  s.ws.values.strength = 10;
  test::RunByKey(s.ws, "mix-image-b");
  EXPECT_EQ(s.ws.Pic4.Width(), 4);
  EXPECT_EQ(s.Result(3, 2), s.ws.Pic2.Point(3, 2));
  EXPECT_EQ(s.ws.m.LoopX, 9);
}

TEST(MixImages, WithoutImageBNothingIsMixed) {
  test::Session s(test::Varied(5, 5));
  test::RunByKey(s.ws, "mix-image-b");
  test::ExpectSamePixels(s.ws.Pic4.Image(), s.ws.Pic1.Image());
}

}  // namespace pixmora
