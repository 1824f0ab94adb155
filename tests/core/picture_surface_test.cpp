#include <gtest/gtest.h>

#include "core/picture_surface.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

TEST(PictureSurface, ReadsOutsideAreInvalidAndWritesOutsideDoNothing) {
  PictureSurface s(3, 2, 0x000000);
  EXPECT_EQ(s.Point(-1, 0), kInvalidColour);
  EXPECT_EQ(s.Point(3, 0), kInvalidColour);
  EXPECT_EQ(s.Point(0, 2), kInvalidColour);
  s.PSet(3, 1, 0xFF);
  s.PSet(-1, 1, 0xFF);
  for (int x = 0; x < 3; ++x)
    for (int y = 0; y < 2; ++y) EXPECT_EQ(s.Point(x, y), 0u);
}

TEST(PictureSurface, PictureAndImage) {
  const Picture a = test::Flat(4, 3, 0x010203);
  PictureSurface s(10, 10, 0x212121);
  s.SetPicture(a);
  EXPECT_EQ(s.Width(), 4);
  EXPECT_EQ(s.Height(), 3);
  s.PSet(1, 1, 0xABCDEF);
  EXPECT_EQ(s.GetPicture()->At(1, 1), 0x010203u) << "the picture is as loaded";
  EXPECT_EQ(a->At(1, 1), 0x010203u) << "writes never reach a shared picture";
  const Picture snapshot = s.Image();
  EXPECT_EQ(snapshot->At(1, 1), 0xABCDEFu);
  s.PSet(2, 2, 0x111111);
  EXPECT_EQ(snapshot->At(2, 2), 0x010203u) << "a snapshot does not follow later writes";

  s.SetPicture(nullptr);
  EXPECT_EQ(s.Width(), 4) << "an empty picture keeps the size";
  EXPECT_EQ(s.Point(1, 1), 0x212121u) << "and clears to the back colour";
}

TEST(PictureSurface, WithoutAutoSizeKeepsItsSize) {
  PictureSurface s(5, 5, 0);
  s.AutoSize = false;
  s.SetPicture(test::Flat(2, 2, 0xFF));
  EXPECT_EQ(s.Width(), 5);
  EXPECT_EQ(s.Point(1, 1), 0xFFu);
  EXPECT_EQ(s.Point(3, 3), 0u);
}

TEST(PictureSurface, LinePaintsBothEndsAndBoxesThroughBothCorners) {
  PictureSurface s(10, 10, 0);
  s.Line(0, 3, 9, 3, 0xFF, LineStyle::Line);
  EXPECT_EQ(s.Point(0, 3), 0xFFu);
  EXPECT_EQ(s.Point(9, 3), 0xFFu);
  PictureSurface b(10, 10, 0);
  b.Line(2, 2, 6, 5, 0xAA, LineStyle::Box);
  EXPECT_EQ(b.Point(2, 2), 0xAAu);
  EXPECT_EQ(b.Point(6, 5), 0xAAu);
  EXPECT_EQ(b.Point(4, 5), 0xAAu);
  EXPECT_EQ(b.Point(6, 3), 0xAAu);
  EXPECT_EQ(b.Point(4, 3), 0u) << "the box is not filled";
}

}  // namespace pixmora
