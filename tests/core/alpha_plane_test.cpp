// A picture's transparency beside its colours: kept by the surfaces that
// hold the picture, never brought in by drawing, shared rather than copied.
#include <gtest/gtest.h>

#include "core/picture_surface.h"
#include "tests/support/same_pixels.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

TEST(AlphaPlane, SurfacesKeepTheTransparencyOfTheirPicture) {
  const Picture translucent = test::Translucent(6, 4);
  PictureSurface s;
  s.SetPicture(translucent);
  s.PSet(1, 1, 0xABCDEF);  // a copy of the shared picture to write into
  EXPECT_EQ(s.Image()->GetAlpha(), translucent->GetAlpha()) << "shared, not copied";
  EXPECT_EQ(s.Image()->At(1, 1), 0xABCDEFu);
  s.DetachForOverwrite();
  EXPECT_EQ(s.Image()->GetAlpha(), translucent->GetAlpha());

  // Painting another picture brings its colours, not its transparency.
  PictureSurface opaque;
  opaque.SetPicture(test::Varied(6, 4));
  opaque.PaintPicture(translucent, 0, 0, 6, 4);
  test::ExpectSamePixels(opaque.Image(), translucent);
  EXPECT_FALSE(opaque.Image()->GetAlpha());

  s.Cls();
  EXPECT_FALSE(s.Image()->GetAlpha()) << "a cleared surface is opaque";
  s.SetAlpha(translucent->GetAlpha());
  test::ExpectSameAlpha(s.Image(), translucent);
}

TEST(AlphaPlane, AnOpaquePlaneIsNone) {
  auto plane = std::make_shared<AlphaPlane>(3, 2);
  EXPECT_TRUE(KeptAlpha(plane)) << "a new plane is transparent";
  std::fill_n(plane->Data(), plane->Count(), 255);
  EXPECT_FALSE(KeptAlpha(plane));
  // A picture no one else holds takes its transparency in place; a shared one
  // is copied.
  Picture picture = test::Varied(3, 2);
  const PixelBuffer* own = picture.get();
  const Picture translucent = test::Translucent(3, 2);
  picture = WithAlpha(std::move(picture), translucent->GetAlpha());
  EXPECT_EQ(picture.get(), own);
  const Picture copy = WithAlpha(picture, nullptr);
  EXPECT_NE(copy.get(), own);
  EXPECT_TRUE(picture->GetAlpha());
  EXPECT_FALSE(copy->GetAlpha());
}

}  // namespace pixmora
