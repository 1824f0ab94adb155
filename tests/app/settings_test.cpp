#include <QKeySequence>
#include <QScrollBar>
#include <QMenu>
#include <filesystem>
#include <QScreen>
#include <QStyle>
#include <QTest>

#include "app/open_commands.h"
#include "app/value_field.h"
#include "tests/app/window_fixture.h"
#include "tests/support/test_pictures.h"

namespace pixmora::test {

namespace {

using SettingsTest = WindowTest;

}  // namespace

TEST_F(SettingsTest, WindowComesBackAtItsLastSizeAndPlace) {
  Start();
  window->show();
  const QSize size = window->minimumSize() + QSize(40, 30);
  window->resize(size);
  window->move(20, 10);
  const QPoint place = window->pos();
  window->close();
  window.reset();
  Start();
  EXPECT_EQ(window->size(), size);
  // Before the window is shown Qt can only guess its frame; the guess is at
  // most a title bar high.
  const int frame = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window.get());
  EXPECT_LE((window->pos() - place).manhattanLength(), 2 * frame)
      << window->pos().x() << ", " << window->pos().y();
}

TEST_F(SettingsTest, FirstStartTakesTheDesignSizeAsFarAsTheScreenAllows) {
  Start();
  EXPECT_EQ(window->size(), QSize(1067, 760).boundedTo(window->screen()->availableGeometry().size()));
}

TEST_F(SettingsTest, ShortcutKeysRunTheirEntries) {
  StartScripted();
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
  ASSERT_EQ(dialog->requests.size(), 1u);
  EXPECT_EQ(dialog->requests[0].title, window->Caption("mnuimma"));
  QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(dialog->requests.size(), 1u) << "no result to save yet: no dialog";
  EXPECT_TRUE(Notice().contains("no result")) << Notice().toStdString();
  QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(window->isVisible());
}

// The side panel's values come back at the next start; Reset Values brings
// the start values back.
TEST_F(SettingsTest, ValuesAreKeptBetweenRunsAndCanBeReset) {
  Start();
  window->Controls().HS1[4]->setValue(128);
  window->Controls().HScroll2->setValue(9);
  window->close();
  window.reset();
  Start();
  EXPECT_EQ(window->Controls().HS1[4]->value(), 128);
  EXPECT_EQ(window->Controls().HScroll2->value(), 9);
  EXPECT_EQ(window->Controls().Label9->text(), "90%");
  Action("mnuReset")->trigger();
  EXPECT_EQ(window->Controls().HS1[4]->value(), 255);
  EXPECT_EQ(window->Controls().HScroll2->value(), 5);
}

// File > Open Recent: the latest first, a picture that is gone greyed, a
// choice opened as image A; the list outlives the window.
TEST_F(SettingsTest, OpenRecentListsTheLastPictures) {
  Start();
  const std::string a = WritePicture(Varied(20, 10), "a.bmp");
  const std::string b = WritePicture(Varied(30, 20), "b & c.bmp");
  for (const std::string& path : {a, b}) {
    app::OpenPictureFile(*window, pixmora::Slot::ImageB, QString::fromStdString(path));
    Settle();
  }
  window.reset();
  Start();
  std::filesystem::remove(b);
  auto* recent = Find<QMenu>("mnuRecent");
  emit recent->aboutToShow();
  const QList<QAction*> entries = recent->actions();
  ASSERT_EQ(entries.size(), 2);
  EXPECT_EQ(entries[0]->text(), "&1 b && c.bmp");
  EXPECT_FALSE(entries[0]->isEnabled()) << "a picture that is gone";
  EXPECT_EQ(entries[1]->toolTip(), QString::fromStdString(a));
  entries[1]->trigger();
  Settle();
  EXPECT_EQ(window->Session().Pic1.Width(), 20);
}
}  // namespace pixmora::test
