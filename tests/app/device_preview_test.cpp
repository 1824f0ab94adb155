#include <QApplication>
#include <QImage>

#include "app/device_preview.h"
#include "app/picture_box.h"
#include "core/colour_ref.h"
#include "core/show_fitted.h"
#include "tests/app/window_fixture.h"
#include "tests/support/test_pictures.h"

namespace pixmora::test {

namespace {

// One-pixel black and white squares: any enlarging or averaging shows.
Picture Checkers(int w, int h) {
  return MakeTestPicture(w, h, [](int x, int y) { return (x + y) % 2 ? 0xFFFFFFu : 0u; });
}

// A 256 x 256 preview surface showing picture fitted, as ShowFitted leaves it.
PictureSurface FittedPreview(const Picture& picture) {
  PictureSurface preview(256, 256, 0xFFFFFF);
  PaintFitted(picture, preview);
  return preview;
}

ColorRef Colour(const QColor& c) { return PackRGB(c.red(), c.green(), c.blue()); }

void ExpectImageIs(const QImage& image, const Picture& picture) {
  ASSERT_EQ(image.width(), picture->Width());
  ASSERT_EQ(image.height(), picture->Height());
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      ASSERT_EQ(Colour(image.pixelColor(x, y)), picture->At(x, y)) << x << ", " << y;
}

}  // namespace

TEST(DevicePreview, TwiceTheBoxPictureIsShownPixelForPixel) {
  const Picture picture = Checkers(512, 512);
  const QImage image = app::DevicePreview(FittedPreview(picture), picture, 2);
  EXPECT_EQ(image.devicePixelRatio(), 2);
  ExpectImageIs(image, picture);
}

TEST(DevicePreview, LargerPictureIsFittedAtTheDeviceSize) {
  const Picture picture = Varied(1000, 500);
  const QImage image = app::DevicePreview(FittedPreview(picture), picture, 2);
  PictureSurface device(512, 512, 0xFFFFFF);
  PaintFitted(picture, device);
  ExpectImageIs(image, device.Image());
}

TEST(DevicePreview, NothingSharperWhenThePreviewShowsSomethingElse) {
  const Picture picture = Varied(300, 200);
  EXPECT_TRUE(app::DevicePreview(FittedPreview(picture), picture, 1).isNull())
      << "at one device pixel a pixel the preview itself is exact";
  EXPECT_TRUE(app::DevicePreview(FittedPreview(picture), Varied(200, 300), 2).isNull())
      << "the full-size picture changed after the preview was drawn";
  PictureSurface text(256, 256, 0xFFFFFF);
  text.Print(kNoPreview);
  EXPECT_TRUE(app::DevicePreview(text, nullptr, 2).isNull());
}

// Runs with QT_SCALE_FACTOR=2 (its own CTest entry); skipped on a plain screen.
TEST_F(WindowTest, HighDpiPreviewsDrawTheFullSizePicture) {
  Start();
  if (window->devicePixelRatioF() != 2) GTEST_SKIP() << "needs a screen of device pixel ratio 2";
  const Picture picture = Checkers(512, 512);
  window->ShowPicture(app::Slot::ImageA, WritePicture(picture, "a.bmp"));
  ExpectImageIs(window->Controls().Image2->ShownAtDeviceResolution(), picture);
  QImage drawn(window->Controls().Image2->size() * 2, QImage::Format_RGB32);
  drawn.setDevicePixelRatio(2);
  window->Controls().Image2->render(&drawn);
  for (int x = 2; x < 514; x += 97)
    EXPECT_EQ(Colour(drawn.pixelColor(x, 2)), picture->At(x - 2, 0)) << x;
}

}  // namespace pixmora::test
