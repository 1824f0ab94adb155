#include <QCoreApplication>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "tests/app/window_fixture.h"
#include "tests/support/test_pictures.h"
#include "windows/picture_view.h"
#include "windows/preview_window.h"

namespace pixmora::test {

// The preview window shows what its button was last clicked for, follows
// changes of that picture, and opens on screen at the picture's shape.
TEST_F(WindowTest, ThePreviewShowsTheLastButtonsPictureAndFollowsIt) {
  Start();
  window->show();
  ASSERT_TRUE(window->ShowPicture(pixmora::Slot::ImageA, WritePicture(Varied(400, 200), "a.bmp")));
  ASSERT_TRUE(window->ShowPicture(pixmora::Slot::ImageB, WritePicture(Varied(30, 60), "b.bmp")));
  window->Controls().Image5[0]->click();
  auto* preview = window->findChild<windows::Form2*>("Form2");
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(preview->isVisible());
  EXPECT_EQ(preview->windowTitle(), "Preview");
  EXPECT_EQ(preview->View()->Shown(), window->Session().Pic1.Image());
  EXPECT_TRUE(window->screen()->availableGeometry().contains(preview->frameGeometry()));
  const QSize view = preview->View()->viewport()->size();
  EXPECT_NEAR(view.width(), 2 * view.height(), 2) << "the window takes the picture's shape";

  window->Controls().Image5[1]->click();
  EXPECT_EQ(preview->View()->Shown(), window->Session().Pic2.Image()) << "a click while open reloads";
  preview->resize(300, 120);
  EXPECT_TRUE(preview->View()->Fitting());
  const QPointF middle = preview->View()->PicturePoint(QRectF(preview->View()->viewport()->rect()).center());
  EXPECT_NEAR(middle.x(), 15, 1) << "the portrait picture keeps its aspect, centred";
  EXPECT_NEAR(middle.y(), 30, 1);

  window->Controls().Image5[2]->click();
  window->Controls().Image5[0]->click();
  ASSERT_TRUE(window->ShowPicture(pixmora::Slot::ImageA, WritePicture(Varied(50, 50), "c.bmp")));
  EXPECT_EQ(preview->View()->Shown(), window->Session().Pic1.Image()) << "a new image A reaches it";
  preview->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window->findChild<windows::Form2*>("Form2"), nullptr);
  EXPECT_FALSE(std::filesystem::exists(window->Session().folders.temp + "passo$$$.bmp"));
}

// The preview opens beside the main window where the screen has room, never
// larger than two thirds of it, and Esc closes it.
TEST_F(WindowTest, ThePreviewOpensBesideTheWindowAndEscClosesIt) {
  Start();
  window->show();
  const QRect room = window->screen()->availableGeometry();
  window->setMinimumSize(100, 100);
  window->setGeometry(room.x() + 10, room.y() + 10, room.width() / 4, room.height() / 2);
  ASSERT_TRUE(window->ShowPicture(pixmora::Slot::ImageA, WritePicture(Varied(3000, 2000), "a.bmp")));
  window->Controls().Image5[0]->click();
  auto* preview = window->findChild<windows::Form2*>("Form2");
  ASSERT_NE(preview, nullptr);
  const QRect placed = preview->frameGeometry();
  EXPECT_GE(placed.left(), window->frameGeometry().right()) << "beside, not over, the main window";
  EXPECT_TRUE(room.contains(placed));
  EXPECT_LE(placed.width(), room.width() * 2 / 3 + 4);
  EXPECT_LE(placed.height(), room.height() * 2 / 3 + 4);
  preview->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(preview));
  QTest::keyClick(preview->View(), Qt::Key_Escape);
  EXPECT_FALSE(preview->isVisible());
}

TEST_F(WindowTest, PreviewOfTheResultBeforeAnyCommandSaysThereIsNone) {
  Start();
  window->Controls().Image5[2]->click();
  EXPECT_EQ(window->findChild<windows::Form2*>("Form2"), nullptr);
  EXPECT_TRUE(Notice().contains("no picture")) << Notice().toStdString();
}

}  // namespace pixmora::test
