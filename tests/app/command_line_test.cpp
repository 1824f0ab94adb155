#include <QUrl>

#include "app/command_line.h"
#include "app/picture_box.h"
#include "tests/app/window_fixture.h"
#include "tests/support/test_pictures.h"

namespace pixmora::test {

using CommandLineTest = WindowTest;

TEST_F(CommandLineTest, FirstFileOpensAsImageAAndSecondAsImageB) {
  Start();
  const std::string a = WritePicture(Varied(64, 48), "a.bmp");
  const std::string b = WritePicture(Varied(30, 20), "b.bmp");
  app::OpenStartFiles(*window, {QString::fromStdString(a), QString::fromStdString(b)});
  Settle();
  ExpectSamePixels(window->Session().Pic1.Image(), Varied(64, 48));
  ExpectSamePixels(window->Session().Pic2.Image(), Varied(30, 20));
  EXPECT_EQ(window->Session().m.planes.Width(), 64) << "the planes follow image A";
  EXPECT_EQ(window->Session().m.planes.Height(), 48);
  EXPECT_NE(window->Controls().Image2->Shown().pixel(128, 128),
            window->Controls().Image3->Shown().pixel(128, 128));
}

TEST_F(CommandLineTest, FileUrlsOpenLikePaths) {
  Start();
  const std::string a = WritePicture(Varied(20, 10), "with space.bmp");
  app::OpenStartFiles(*window, {QUrl::fromLocalFile(QString::fromStdString(a)).toString()});
  Settle();
  EXPECT_EQ(window->Session().Pic1.Width(), 20);
}

TEST_F(CommandLineTest, DamagedFileIsReportedAndTheWindowStartsAsUsual) {
  Start();
  const int startWidth = window->Session().Pic1.Width();
  Write("damaged.bmp", "BM this is not a picture");
  const std::string b = WritePicture(Varied(30, 20), "b.bmp");
  app::OpenStartFiles(*window, {QString::fromStdString(data + "damaged.bmp"), QString::fromStdString(b)});
  Settle();
  EXPECT_EQ(window->Session().Pic1.Width(), startWidth) << "image A is as after a plain start";
  EXPECT_EQ(window->Session().Pic2.Width(), 30) << "image B opens all the same";
  app::OpenStartFiles(*window, {QString::fromStdString(data + "damaged.bmp")});
  Settle();
  EXPECT_TRUE(Notice().contains("damaged.bmp")) << Notice().toStdString();
  EXPECT_FALSE(Notice().contains('\n'));
}

// The files left unopened are named, and a first file that cannot be opened
// does not hide them.
TEST_F(CommandLineTest, MoreThanTwoFilesOpenTwoAndNameTheRest) {
  Start();
  const QString b = QString::fromStdString(WritePicture(Varied(64, 48), "b.bmp"));
  const QString missing = QString::fromStdString(root + "missing.bmp");
  app::OpenStartFiles(*window, {missing, b, QStringLiteral("third.png"), QStringLiteral("fourth.jpg")});
  Settle();
  EXPECT_EQ(window->Session().Pic2.Width(), 64);
  const QString notices = Notices().join('\n');
  EXPECT_TRUE(notices.contains("missing.bmp")) << notices.toStdString();
  EXPECT_TRUE(notices.contains("third.png, fourth.jpg")) << notices.toStdString();
}

TEST(EditorCommandLine, AnswersVersionAndHelp) {
  std::string err;
  const std::string editor = std::string("QT_QPA_PLATFORM=offscreen '") + PIXMORA_EDITOR + "'";
  const std::string folder = MakeScratchFolder();
  const std::string out = "'" + folder + "out.txt'";
  ASSERT_EQ(RunCommand(editor + " --version > " + out, &err), 0) << err;
  ASSERT_EQ(RunCommand("grep -q 'Pixmora " PIXMORA_VERSION "' " + out, &err), 0);
  ASSERT_EQ(RunCommand(editor + " --help > " + out, &err), 0) << err;
  EXPECT_EQ(RunCommand("grep -q 'IMAGE-A' " + out, &err), 0) << "help names the picture arguments";
  RemoveFolder(folder);
}

}  // namespace pixmora::test
