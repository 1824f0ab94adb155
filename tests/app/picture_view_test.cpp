#include <gtest/gtest.h>

#include <QNativeGestureEvent>
#include <QPointingDevice>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <cstdio>

#include "tests/app/window_fixture.h"
#include "tests/support/test_pictures.h"
#include "windows/picture_view.h"

namespace pixmora::test {

namespace {

// What the view shows at a point of its viewport, once its levels are made
// (the middle of the viewport then shows the picture, not the background).
QColor DrawnAt(windows::PictureView& view, QPoint at) {
  const double ratio = view.devicePixelRatioF();
  const QColor background = view.viewport()->palette().color(QPalette::Window);
  QImage drawn;
  Eventually([&] {
    drawn = view.viewport()->grab().toImage();
    return drawn.pixelColor(view.viewport()->rect().center() * ratio) != background;
  });
  return drawn.pixelColor(at * ratio);
}

QColor Colour(ColorRef c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

}  // namespace

// The large view as a person drives it: fitted at first with the aspect
// ratio kept, 100 % and the zoom keys, the wheel and a pinch around the
// pointer, a drag that pans, B held for the picture before, and the pixel
// under the pointer named.
TEST(PictureView, ZoomsPansComparesAndNamesThePixel) {
  windows::PictureView view;
  view.resize(400, 300);
  view.show();
  const Picture wide = MakeTestPicture(800, 200, [](int x, int y) { return PackRGB(200, x % 256, y); });
  view.SetPicture(wide, "Processed Image");
  EXPECT_TRUE(view.Fitting());
  EXPECT_DOUBLE_EQ(view.Zoom(), 0.5 * view.devicePixelRatioF());
  EXPECT_EQ(DrawnAt(view, {200, 150}).red(), 200);
  EXPECT_NE(DrawnAt(view, {200, 20}).red(), 200)
      << "above the wide picture: the background, not the picture stretched";

  QTest::keyClick(&view, Qt::Key_1, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(view.Zoom(), 1);
  QTest::keyClick(&view, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(view.Zoom(), 1.5);
  QTest::keyClick(&view, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(view.Zoom(), 1);

  const QPointF pointer(100, 120);
  const QPointF under = view.PicturePoint(pointer);
  QWheelEvent wheel(pointer, view.viewport()->mapToGlobal(pointer), {}, {0, 120}, Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(view.viewport(), &wheel);
  EXPECT_DOUBLE_EQ(view.Zoom(), 1.5);
  EXPECT_NEAR(view.PicturePoint(pointer).x(), under.x(), 1) << "the point under the wheel stays";
  QNativeGestureEvent pinch(Qt::ZoomNativeGesture, QPointingDevice::primaryPointingDevice(), 2, pointer,
                            pointer, view.viewport()->mapToGlobal(pointer), 1.0, {}, {});
  QCoreApplication::sendEvent(view.viewport(), &pinch);
  EXPECT_DOUBLE_EQ(view.Zoom(), 3);

  const int scrolled = view.horizontalScrollBar()->value();
  QTest::mousePress(view.viewport(), Qt::LeftButton, {}, {200, 150});
  QTest::mouseMove(view.viewport(), {150, 150});
  QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, {150, 150});
  EXPECT_EQ(view.horizontalScrollBar()->value(), scrolled + 50) << "dragging left shows what lies right";

  QSignalSpy pointed(&view, &windows::PictureView::pointed);
  QTest::mouseMove(view.viewport(), {10, 10});
  ASSERT_FALSE(pointed.isEmpty());
  int x = -1, y = -1, r = -1, g = -1, b = -1;
  ASSERT_EQ(std::sscanf(pointed.last().at(0).toString().toUtf8().constData(), "x %d, y %d: R %d, G %d, B %d",
                        &x, &y, &r, &g, &b), 5);
  EXPECT_NEAR(x, view.PicturePoint({10, 10}).x(), 1);
  EXPECT_NEAR(y, view.PicturePoint({10, 10}).y(), 1);
  EXPECT_EQ(Colour(PackRGB(r, g, b)), Colour(wide->At(x, y)));

  view.SetBefore(Flat(800, 200, PackRGB(0, 0, 255)), "Image (A)");
  QTest::keyPress(&view, Qt::Key_B);
  EXPECT_TRUE(view.ShowingBefore());
  EXPECT_EQ(DrawnAt(view, {200, 150}), Colour(PackRGB(0, 0, 255)));
  QTest::keyRelease(&view, Qt::Key_B);
  EXPECT_FALSE(view.ShowingBefore());

  QTest::keyClick(&view, Qt::Key_0, Qt::ControlModifier);
  EXPECT_TRUE(view.Fitting());
  EXPECT_EQ(view.horizontalScrollBar()->maximum(), 0) << "fitted, nothing to scroll";
}

}  // namespace pixmora::test
