#include <gtest/gtest.h>

#include <QPainter>
#include <thread>

#include "tests/support/test_pictures.h"
#include "windows/picture_levels.h"
#include "windows/reduced_image.h"

namespace pixmora::test {

// Each pixel the rounded average of its square; the squares along the right
// and bottom edges are cut short; transparency averages premultiplied.
TEST(ReducedImage, AveragesEachSquareAndTheEdgesOverWhatTheyHold) {
  const Picture picture = MakeTestPicture(3, 3, [](int x, int y) { return PackRGB(10 * x + y, 0, x == 2 ? 7 : 0); });
  const QImage half = windows::ReducedImage(*picture, 2);
  ASSERT_EQ(half.size(), QSize(2, 2));
  EXPECT_EQ(half.pixel(0, 0), qRgb(6, 0, 0)) << "(0 + 1 + 10 + 11) / 4 = 5.5, rounded up";
  EXPECT_EQ(half.pixel(1, 0), qRgb(21, 0, 7)) << "the last column: (20 + 21) / 2";
  EXPECT_EQ(half.pixel(1, 1), qRgb(22, 0, 7)) << "the corner holds one pixel";

  auto alpha = std::make_shared<AlphaPlane>(2, 1);
  alpha->Set(0, 0, 255), alpha->Set(1, 0, 0);
  const QImage translucent = windows::ReducedImage(*WithAlpha(Flat(2, 1, PackRGB(200, 100, 50)), alpha), 2);
  EXPECT_EQ(translucent.pixel(0, 0), qRgba(100, 50, 25, 128));
}

// A square of 512 x 512 white pixels sums to more than the 16 bits a packed
// run of rows holds.
TEST(ReducedImage, LargeSquaresDoNotOverflow) {
  const QImage reduced = windows::ReducedImage(*Flat(700, 600, PackRGB(255, 254, 253)), 512);
  ASSERT_EQ(reduced.size(), QSize(2, 2));
  for (const QPoint at : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
    EXPECT_EQ(reduced.pixel(at), qRgb(255, 254, 253));
}

// A level made ahead on another thread is drawn at the first paint, with no
// stand-in before it.
TEST(PictureLevels, ALevelMadeAheadIsDrawnAtOnce) {
  const Picture picture = Flat(1000, 800, PackRGB(0, 128, 255));
  std::thread([&] { windows::PictureLevels::MakeAhead(picture, 0.25); }).join();
  QImage device(250, 200, QImage::Format_RGB32);
  QPainter painter(&device);
  EXPECT_TRUE(windows::PictureLevels::Of(picture)->Draw(painter, QRectF(0, 0, 250, 200), QRectF(0, 0, 1000, 800), true));
  painter.end();
  EXPECT_EQ(device.pixel(125, 100), qRgb(0, 128, 255));
}

}  // namespace pixmora::test
