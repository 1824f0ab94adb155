#include <gtest/gtest.h>

#include "core/show_fitted.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

TEST(ShowFitted, ScalesToFitAndCentres) {
  PictureSurface loader, display(200, 200, 0xFFFFFF);
  const PictureLoader load = [](const std::string&) { return test::Flat(100, 50, 0x0000FF); };
  ShowFitted("any", loader, display, load);
  EXPECT_EQ(loader.Width(), 100) << "the loader holds the picture at full size";
  EXPECT_EQ(display.Point(0, 49), 0xFFFFFFu);
  EXPECT_EQ(display.Point(0, 50), 0x0000FFu);
  EXPECT_EQ(display.Point(199, 149), 0x0000FFu);
  EXPECT_EQ(display.Point(199, 150), 0xFFFFFFu);
  EXPECT_TRUE(display.Texts().empty());
}

TEST(ShowFitted, AFailedLoadSaysNoPreviewAndEmptiesTheLoader) {
  PictureSurface loader, display(256, 256, 0xFFFFFF);
  loader.SetPicture(test::Flat(3, 3, 0x123456));
  display.PSet(5, 5, 0);
  ShowFitted("missing.bmp", loader, display, [](const std::string&) { return Picture(); });
  EXPECT_FALSE(loader.GetPicture());
  EXPECT_EQ(loader.Point(1, 1), loader.BackColor);
  EXPECT_EQ(display.Point(5, 5), 0xFFFFFFu) << "the display is cleared";
  ASSERT_EQ(display.Texts().size(), 1u);
  EXPECT_EQ(display.Texts()[0].text, "No Preview Available");
  const double w = display.TextWidth(kNoPreview);
  EXPECT_DOUBLE_EQ(display.Texts()[0].x, 128 - w / 2);
}

}  // namespace pixmora
