#include <QStyle>
#include <QTest>

#include "tests/app/window_fixture.h"

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

TEST_F(SettingsTest, ShortcutKeysRunTheirEntries) {
  StartScripted();
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
  ASSERT_EQ(dialog->requests.size(), 1u);
  EXPECT_EQ(dialog->requests[0].title, Action("mnuimma")->text());
  QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(dialog->requests.size(), 2u);
  EXPECT_TRUE(dialog->requests[1].save);
  QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(window->isVisible());
}

}  // namespace pixmora::test
