// Opening and saving run away from the window's thread: meanwhile the window
// answers, shows that it is busy, and Esc or Cancel end the job without
// losing anything.
#include <signal.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "tests/app/window_fixture.h"
#include "tests/support/test_pictures.h"

namespace pixmora::test {

namespace {

using FileJobsTest = WindowTest;

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

// A decoder that never answers (as a crafted file can make it) keeps the
// window busy but answering; Esc kills it and image A stays as it was.
TEST_F(FileJobsTest, AnOpenThatHangsIsBusyThenEndedByEsc) {
  StartScripted();
  window->show();
  OpenImageA(WritePicture(Varied(64, 48), "a.bmp"));
  const std::string hang = root + "hang.sh", pid = root + "decoder.pid";
  std::ofstream(hang) << "#!/bin/sh\necho $$ > '" << pid << "'\nexec sleep 600\n";
  std::filesystem::permissions(hang, std::filesystem::perms::owner_all);
  setenv("PIXMORA_DECODE", hang.c_str(), 1);
  Answer(WritePicture(Varied(30, 20), "slow.bmp"));
  Action("mnuimma")->trigger();
  const app::Form1Controls& c = window->Controls();
  EXPECT_TRUE(window->Busy());
  EXPECT_FALSE(Action("mnuimmb")->isEnabled());
  EXPECT_FALSE(CommandAction("grayscale")->isEnabled());
  EXPECT_TRUE(c.Label1->isVisible());
  EXPECT_TRUE(c.cancelButton->isVisible());
  EXPECT_EQ(c.ProgressBar3->maximum(), 0) << "a busy bar: no progress is known";
  ASSERT_TRUE(QTest::qWaitFor([&] { return !ReadText(pid).empty(); }, 10000)) << "the decoder runs";
  QTest::keyClick(window.get(), Qt::Key_Escape);
  Settle();
  unsetenv("PIXMORA_DECODE");
  EXPECT_EQ(window->Session().Pic1.Width(), 64);
  EXPECT_TRUE(Notice().contains("cancelled")) << Notice().toStdString();
  const pid_t decoder = std::stoi(ReadText(pid));
  EXPECT_TRUE(QTest::qWaitFor([&] { return kill(decoder, 0) != 0; }, 5000)) << "the decoder was killed";
  EXPECT_FALSE(c.cancelButton->isVisible());
  EXPECT_EQ(c.ProgressBar3->maximum(), 1);
  EXPECT_TRUE(CommandAction("grayscale")->isEnabled());
}

// Cancel frees the window at once; the write goes on alone and is thrown
// away, so the file that stood is still there.
TEST_F(FileJobsTest, ACancelledSaveLeavesTheOldFile) {
  StartScripted();
  // Large enough that the save is still under way when Cancel is pressed.
  OpenImageA(WritePicture(Varied(4000, 3000), "a.bmp"));
  RunAndWait([&] { CommandAction("grayscale")->trigger(); });
  const std::string out = root + "out.png";
  std::ofstream(out) << "the old file";
  Answer(out, 3);
  Action("mnusalva")->trigger();
  ASSERT_TRUE(window->Busy());
  window->Controls().cancelButton->click();
  EXPECT_FALSE(window->Busy());
  EXPECT_TRUE(Notice().contains("cancelled")) << Notice().toStdString();
  window.reset();  // waits for the write left to end alone
  EXPECT_EQ(ReadText(out), "the old file");
  for (const auto& entry : std::filesystem::directory_iterator(root))
    EXPECT_EQ(entry.path().filename().string().find(".out.png"), std::string::npos) << "a temporary file";
}

}  // namespace pixmora::test
