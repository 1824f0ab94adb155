// The work area as a person sees it: four previews that grow with the
// window and keep each picture's shape, and one picture large on a double
// click or from the View menu.
#include <QAction>
#include <QLabel>
#include <QTest>

#include "app/picture_box.h"
#include "tests/app/window_fixture.h"
#include "tests/support/test_pictures.h"
#include "windows/picture_view.h"

namespace pixmora::test {

namespace {

// The box as drawn on the screen once the point (in device pixels) shows
// colour: the picture's levels are made away from the window's thread, and
// a stand-in is drawn until then.
QImage Drawn(QWidget* box, QPoint at, const QColor& colour) {
  QImage drawn;
  Eventually([&] {
    drawn = box->grab().toImage();
    return drawn.pixelColor(at) == colour;
  });
  return drawn;
}

}  // namespace

TEST_F(WindowTest, PreviewsFillTheWorkAreaAndKeepThePicturesShape) {
  Start();
  window->show();
  const app::Form1Controls& c = window->Controls();
  window->resize(window->minimumSize());
  QCoreApplication::processEvents();
  const QSize small = c.Image2->size();
  window->resize(1600, 1000);
  QCoreApplication::processEvents();
  for (const app::PreviewBox* box : {c.Image2, c.Image3, c.Image1, c.Picture4}) {
    EXPECT_EQ(box->size(), c.Image2->size());
    EXPECT_GT(box->contentsRect().width(), 256);
    EXPECT_GT(box->contentsRect().height(), 256);
  }
  EXPECT_GT(c.Image2->width(), small.width()) << "the previews grow with the window";
  EXPECT_GT(c.Image3->x(), c.Image2->geometry().right());
  EXPECT_EQ(c.Image3->y(), c.Image2->y());
  EXPECT_GT(c.Image1->y(), c.Image2->geometry().bottom());
  EXPECT_EQ(c.Image1->x(), c.Image2->x());
  EXPECT_EQ(c.Picture4->geometry().topLeft(), QPoint(c.Image3->x(), c.Image1->y()));
  EXPECT_LT(c.Label10->geometry().bottom(), c.Image2->y());
  EXPECT_GT(c.Picture5->contentsRect().right() - c.Image3->geometry().right(), 0);
  EXPECT_LT(c.Picture5->contentsRect().right() - c.Image3->geometry().right(), 40) << "the grid fills the area";

  const ColorRef red = PackRGB(220, 0, 0);
  ASSERT_TRUE(window->ShowPicture(pixmora::Slot::ImageA, WritePicture(Flat(400, 100, red), "a.bmp")));
  const double ratio = c.Image2->devicePixelRatioF();
  const QPoint left = QPoint(4, c.Image2->height() / 2) * ratio;
  const QImage drawn = Drawn(c.Image2, left, QColor(220, 0, 0));
  EXPECT_EQ(drawn.pixelColor(left), QColor(220, 0, 0)) << "the wide picture fills the box's width";
  EXPECT_EQ(drawn.pixelColor(QPoint(c.Image2->width() / 2, 4) * ratio), QColor(255, 255, 255))
      << "and leaves its white above";
}

// A picture one pixel wide or high still shows, as a line across its preview.
TEST_F(WindowTest, APictureOfExtremeShapeShowsAtLeastAScreenPixelAcross) {
  Start();
  window->show();
  const app::Form1Controls& c = window->Controls();
  const ColorRef red = PackRGB(220, 0, 0);
  ASSERT_TRUE(window->ShowPicture(pixmora::Slot::ImageA, WritePicture(Flat(1, 4000, red), "a.bmp")));
  ASSERT_TRUE(window->ShowPicture(pixmora::Slot::ImageB, WritePicture(Flat(4000, 1, red), "b.bmp")));
  const auto reddish = [](const QColor& c) { return c.red() - c.green() > 60; };
  const auto shows = [&](QWidget* box, bool across) {
    return Eventually([&] {
      const QImage drawn = box->grab().toImage();
      for (int i = 0; i < (across ? drawn.width() : drawn.height()); ++i)
        if (reddish(drawn.pixelColor(across ? QPoint(i, drawn.height() / 2) : QPoint(drawn.width() / 2, i))))
          return true;
      return false;
    });
  };
  EXPECT_TRUE(shows(c.Image2, true)) << "1 x 4000";
  EXPECT_TRUE(shows(c.Image3, false)) << "4000 x 1";
}

TEST_F(WindowTest, APictureIsViewedLargeAndComparedWithImageA) {
  StartScripted();
  window->show();
  ASSERT_TRUE(window->ShowPicture(pixmora::Slot::ImageA, WritePicture(Varied(300, 200), "a.bmp")));
  const app::Form1Controls& c = window->Controls();
  QTest::mouseDClick(c.Image2, Qt::LeftButton);
  QTest::qWait(QApplication::doubleClickInterval() + 50);
  EXPECT_TRUE(dialog->requests.empty()) << "a double click is not also a click";
  EXPECT_TRUE(c.largeView->isVisible());
  EXPECT_FALSE(c.Image2->isVisible());
  EXPECT_EQ(c.largeView->Shown(), window->Session().Pic1.Image());
  EXPECT_TRUE(Action("mnuViewImageA")->isChecked());
  EXPECT_TRUE(c.largeView->Fitting());
  Action("mnuActualSize")->trigger();
  EXPECT_DOUBLE_EQ(c.largeView->Zoom(), 1);
  QTest::mouseMove(c.largeView->viewport(), c.largeView->viewport()->rect().center());
  EXPECT_TRUE(static_cast<QLabel*>(c.panels[3])->text().startsWith("x ")) << "the pixel is named";
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_FALSE(c.largeView->isVisible());
  EXPECT_TRUE(c.Image2->isVisible());
  EXPECT_FALSE(Action("mnuZoomIn")->isEnabled());

  RunAndWait([&] { CommandAction("grayscale")->trigger(); });
  Action("mnuViewResult")->trigger();
  EXPECT_EQ(c.largeView->Shown(), window->Session().Pic4.Image());
  Action("mnuBefore")->trigger();
  EXPECT_EQ(c.largeView->Shown(), window->Session().Pic1.Image()) << "image A where the result is";
  Action("mnuBefore")->trigger();
  RunAndWait([&] { CommandAction("swap-green-blue")->trigger(); });
  EXPECT_EQ(c.largeView->Shown(), window->Session().Pic4.Image()) << "a new result is shown at once";
}

// Runs with QT_SCALE_FACTOR=2 (its own CTest entry); skipped on a plain screen.
TEST_F(WindowTest, HighDpiPreviewsDrawTheFullSizePicture) {
  Start();
  window->show();
  if (window->devicePixelRatioF() != 2) GTEST_SKIP() << "needs a screen of device pixel ratio 2";
  const QSize device = window->Controls().Image2->contentsRect().size() * 2;
  // One-pixel black and white squares: any enlarging or averaging shows.
  const Picture picture = MakeTestPicture(device.width(), device.height(),
                                          [](int x, int y) { return (x + y) % 2 ? 0xFFFFFFu : 0u; });
  window->ShowPicture(pixmora::Slot::ImageA, WritePicture(picture, "a.bmp"));
  const QImage drawn = Drawn(window->Controls().Image2, {2, 2}, Qt::black);
  for (int x = 2; x < device.width(); x += 97)
    EXPECT_EQ(drawn.pixelColor(x, 2).red(), picture->At(x - 2, 0) & 0xFF) << x;
}

}  // namespace pixmora::test
