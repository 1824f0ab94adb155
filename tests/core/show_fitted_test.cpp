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

// A picture large enough to be scaled on several threads shows the pixels
// the one-threaded scaling gave (its digest, taken before the threads came).
TEST(ShowFitted, ALargePictureShowsTheSamePixelsOnEveryThread) {
  PictureSurface display(256, 256, 0xFFFFFF);
  PaintFitted(test::Varied(1601, 903), display);
  uint64_t digest = 14695981039346656037ull;
  for (int x = 0; x < 256; ++x)
    for (int y = 0; y < 256; ++y) digest = (digest ^ display.Point(x, y)) * 1099511628211ull;
  EXPECT_EQ(digest, 2906730600552623810ull);
}

}  // namespace pixmora
