// Cancel and Esc stop a running command: the window is free again, and the
// result, its snapshot, "ps.bmp" and the history are as they were.
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <filesystem>

#include "tests/app/window_fixture.h"
#include "tests/support/test_pictures.h"

namespace pixmora::test {

using CancelledCommandTest = WindowTest;

// A menu command stopped by Esc, the slider's turn by the Cancel button.
TEST_F(CancelledCommandTest, LeavesTheSessionAndTheHistoryAsTheyWere) {
  StartScripted();
  window->show();
  // Large enough that each command is still under way when it is stopped.
  OpenImageA(WritePicture(Varied(3000, 2000), "a.bmp"));
  RunAndWait([&] { CommandAction("grayscale")->trigger(); });
  Published();
  const auto written = std::filesystem::last_write_time(data + "ps.bmp");
  const Workspace& ws = window->Session();
  const Picture result = ws.Pic4.Image(), snapshot = ws.imma.Image();
  const size_t steps = window->SessionHistory().Entries().size();
  const app::Form1Controls& c = window->Controls();
  const std::pair<std::function<void()>, std::function<void()>> runs[] = {
      {[&] { CommandAction("obscure")->trigger(); },
       [&] { QTest::keyClick(window.get(), Qt::Key_Escape); }},
      {[&] { c.Slider1->setValue(3); }, [&] { c.cancelButton->click(); }}};
  for (const auto& [start, stop] : runs) {
    start();
    ASSERT_TRUE(window->Busy());
    EXPECT_TRUE(c.cancelButton->isVisible());
    stop();
    Settle();
    ExpectSamePixels(ws.Pic4.Image(), result);
    EXPECT_EQ(ws.imma.Image(), snapshot);
    EXPECT_EQ(window->SessionHistory().Entries().size(), steps);
    EXPECT_TRUE(Notice().contains("cancelled")) << Notice().toStdString();
  }
  EXPECT_EQ(std::filesystem::last_write_time(data + "ps.bmp"), written);
  EXPECT_FALSE(c.cancelButton->isVisible());
}

}  // namespace pixmora::test
