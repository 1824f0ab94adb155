#include <gtest/gtest.h>

#include "core/load_planes.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

TEST(LoadPlanes, TheExtraColumnAndRowAreReadButNotStored) {
  Module1 m;
  PictureSurface pic1, pic4;
  const Picture a = test::Varied(5, 4);
  pic1.SetPicture(a);
  SizePlanes(m, pic1);
  LoadPlanes(m, {}, pic1, pic4, 0, 0, 5, 4);
  ASSERT_EQ(m.planes.Width(), 5);
  ASSERT_EQ(m.planes.Height(), 4);
  for (int x = 0; x < 5; ++x)
    for (int y = 0; y < 4; ++y) {
      const Channels c = SplitColour(a->At(x, y));
      ASSERT_EQ(m.planes.R(x, y), c.r);
      ASSERT_EQ(m.planes.G(x, y), c.g);
      ASSERT_EQ(m.planes.B(x, y), c.b);
    }
  EXPECT_EQ(static_cast<ColorRef>(m.PixelColour), kInvalidColour) << "the last read lies outside";
  EXPECT_EQ(pic4.Width(), 5) << "the result surface takes image A's picture";
  EXPECT_EQ(pic4.Point(2, 2), a->At(2, 2));
}

TEST(LoadPlanes, CellsBeyondImageAGetTheInvalidColoursChannels) {
  Module1 m;
  PictureSurface pic1, pic4;
  pic1.SetPicture(test::Flat(2, 2, 0));
  m.planes.Resize(3, 3);
  LoadPlanes(m, {}, pic1, pic4, 0, 0, 2, 2);
  EXPECT_EQ(m.planes.R(2, 1), -1);
  EXPECT_EQ(m.planes.G(1, 2), -1);
  EXPECT_EQ(m.planes.B(2, 2), 255);
  EXPECT_EQ(m.planes.R(1, 1), 0);
}

TEST(SizePlanes, FollowsImageAAndZeroes) {
  Module1 m;
  PictureSurface pic1;
  pic1.SetPicture(test::Flat(640, 480, 0xFFFFFF));
  SizePlanes(m, pic1);
  EXPECT_EQ(m.planes.Width(), 640);
  EXPECT_EQ(m.planes.Height(), 480);
  EXPECT_EQ(m.planes.B(639, 479), 0);
}

}  // namespace pixmora
