// The status bar's notices as a user reads them: a long one elided in the
// middle, never cut at the edge, and the last ones listed with their times.
#include <QCoreApplication>
#include <QRegularExpression>
#include <QStatusBar>
#include <QToolButton>

#include "app/elided_label.h"
#include "tests/app/window_fixture.h"
#include "tests/support/test_pictures.h"

namespace pixmora::test {

namespace {

using NoticesTest = WindowTest;

const app::ElidedLabel& NoticeLabel(const app::Form1& window) {
  return *static_cast<const app::ElidedLabel*>(window.Controls().panels[2]);
}

}  // namespace

TEST_F(NoticesTest, ALongNoticeLosesItsMiddleNotItsEnd) {
  Start();
  window->show();
  window->resize(window->minimumSize());
  const int width = window->width();
  const QString notice = QStringLiteral("cannot open ") + QString(300, 'x') +
                         QStringLiteral("/huge100k.png: 100000 x 100000 pixels is larger than memory allows");
  window->Report(notice);
  QCoreApplication::processEvents();
  const QString shown = NoticeLabel(*window).ShownText();
  EXPECT_TRUE(shown.startsWith("cannot open")) << shown.toStdString();
  EXPECT_TRUE(shown.endsWith("memory allows")) << shown.toStdString();
  EXPECT_TRUE(shown.contains(QChar(0x2026)));
  EXPECT_EQ(NoticeLabel(*window).toolTip(), notice);
  EXPECT_EQ(window->width(), width) << "the notice does not widen the window";
  EXPECT_LE(NoticeLabel(*window).geometry().right(), window->Controls().StatusBar1->width());
}

// Only what was reported goes in the list: not the words of a job under way.
TEST_F(NoticesTest, TheNoticesListKeepsTheLastFiftyWithTheirTimes) {
  StartScripted();
  QToolButton* button = Find<QToolButton>("NoticesButton");
  EXPECT_FALSE(button->isEnabled()) << "nothing to list yet";
  for (int i = 1; i <= 55; ++i) window->Report(QStringLiteral("notice %1").arg(i));
  OpenImageA(WritePicture(Varied(8, 8), "a.bmp"));
  EXPECT_FALSE(button->accessibleName().isEmpty());
  const QStringList lines = Notices();
  ASSERT_EQ(lines.size(), 50);
  static const QRegularExpression timed(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d  notice (\\d+)$"));
  for (int i = 0; i < 50; ++i) {
    const QRegularExpressionMatch match = timed.match(lines[i]);
    ASSERT_TRUE(match.hasMatch()) << lines[i].toStdString();
    EXPECT_EQ(match.captured(1).toInt(), i + 6);
  }
}

}  // namespace pixmora::test
