// Faults a user of the window can run into: missing and read-only folders,
// files that are empty, damaged or gone, unusual names. Each one leaves the
// pictures as they were and says what happened in the notice panel.
//
// Tests run as root in CI, where a folder without write permission is still
// writable: such a folder is then mounted read-only over itself, and where
// that is not allowed either only that part is skipped. Cases that need no
// permissions (a folder that is a file, a file that is a folder) run always.
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "imageio/picture_files.h"
#include "tests/app/window_fixture.h"
#include "tests/support/picture_files.h"
#include "tests/support/test_pictures.h"
#include "windows/texture_window.h"

namespace pixmora::test {

namespace {

namespace fs = std::filesystem;

bool CanWriteIn(const std::string& folder) {
  const std::string probe = folder + ".probe";
  const bool written = static_cast<bool>(std::ofstream(probe));
  std::error_code ignored;
  fs::remove(probe, ignored);
  return written;
}

size_t FilesIn(const std::string& folder) {
  return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

class FaultsTest : public WindowTest {
 protected:
  void TearDown() override {
    for (const std::string& m : mounts) umount2(m.c_str(), MNT_DETACH);
    for (const std::string& f : locked) chmod(f.c_str(), 0755);
    WindowTest::TearDown();
  }
  // Makes folder unwritable even for root; false when this system allows
  // neither way.
  bool MakeReadOnly(const std::string& folder) {
    chmod(folder.c_str(), 0555);
    locked.push_back(folder);
    if (!CanWriteIn(folder)) return true;
    if (mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0) return false;
    mounts.push_back(folder);
    mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr);
    return !CanWriteIn(folder);
  }
  // The first half of a varied picture of width x height written in format.
  std::string WriteCutShort(const std::string& name, PictureFormat format, int width, int height) {
    const std::string whole = FileBytes(WriteTestPicture(Varied(width, height), root + "whole-" + name, format));
    std::ofstream(root + name, std::ios::binary) << whole.substr(0, whole.size() / 2);
    return root + name;
  }
  // A result to keep: Grayscale of a 64 x 48 image A.
  void MakeResult() {
    OpenImageA(WritePicture(Varied(64, 48), "a.bmp"));
    RunAndWait([&] { CommandAction("grayscale")->trigger(); });
  }
  // "ps.bmp" is written once the result is shown: its notice may come later.
  void ExpectNotice(const std::string& part) const {
    EXPECT_TRUE(Eventually([&] { return Notice().contains(QString::fromStdString(part)); }))
        << Notice().toStdString();
  }
  // Opens the texture window, types name into the user library and presses OK.
  void SaveTexture(const QString& name) {
    windows::Form3 form(window->Session(), window.get());
    form.findChild<QRadioButton*>("Option1(1)")->click();
    form.findChild<QLineEdit*>("Text1")->setText(name);
    form.findChild<QPushButton*>("Command1")->click();
    WaitUntilEnabled(form);
  }

  std::vector<std::string> mounts, locked;
};

TEST_F(FaultsTest, AMissingDataFolderSaysSoAndCommandsStillGiveTheirResult) {
  fs::remove_all(data);
  StartScripted();
  ExpectNotice("is missing");
  MakeResult();
  ExpectNotice("cannot write " + data + "ps.bmp");
  ASSERT_TRUE(window->Session().Pic4.GetPicture());
  EXPECT_EQ(window->Session().Pic4.Width(), 64) << "the result stays on screen";
  EXPECT_EQ(window->Session().Pic1.Width(), 64);

  SaveTexture("001 First");
  ExpectNotice("cannot write " + data + "texture utente/001 First.bmp");
  EXPECT_EQ(window->Session().Pic4.Width(), 64);
}

TEST_F(FaultsTest, AReadOnlyDataFolderSaysSoAndLeavesTheOldResultFileWhole) {
  std::ofstream(data + "ps.bmp") << "the last session's result";
  if (!MakeReadOnly(data)) GTEST_SKIP() << "no way to make a folder read-only here";
  StartScripted();
  ExpectNotice("is read-only");
  MakeResult();
  ExpectNotice("cannot write " + data + "ps.bmp");
  EXPECT_EQ(window->Session().Pic4.Width(), 64);
  EXPECT_EQ(FileBytes(data + "ps.bmp"), "the last session's result");
  EXPECT_EQ(FilesIn(data), 2u) << "no temporary file is left";
}

TEST_F(FaultsTest, AResultFileThatCannotBeReplacedIsReportedAndTheNextCommandClearsTheNotice) {
  fs::create_directories(data + "ps.bmp/kept");
  StartScripted();
  MakeResult();
  ExpectNotice("cannot write " + data + "ps.bmp");
  EXPECT_EQ(window->Session().Pic4.Width(), 64);
  fs::remove_all(data + "ps.bmp");
  RunAndWait([&] { CommandAction("grayscale")->trigger(); });
  EXPECT_TRUE(Notice().isEmpty()) << Notice().toStdString();
}

TEST_F(FaultsTest, WorkingFilesThatCannotBeWrittenAreReported) {
  StartScripted();
  MakeResult();
  Answer(WritePicture(Varied(20, 10), "b.bmp"));
  Action("mnuimmb")->trigger();
  Settle();
  std::ofstream(root + "plain file") << "not a folder";
  const std::string temp = root + "plain file/";
  window->Session().folders.work = temp;

  RunAndWait([&] { CommandAction("mix-image-b")->trigger(); });
  ExpectNotice("cannot write " + temp + "pgraf.bmp");
  EXPECT_EQ(window->Session().Pic2.Width(), 20) << "image B is kept as it was";
  EXPECT_EQ(window->Session().Pic4.Width(), 64);
}

TEST_F(FaultsTest, TextureLibrariesThatAreMissingOrNotFoldersAreReported) {
  StartScripted();
  MakeResult();
  {
    windows::Form3 form(window->Session(), window.get());
    ExpectNotice("cannot list " + data + "texture");
    ExpectNotice("no such folder");
  }
  std::ofstream(data + "texture utente") << "a file where the library should be";
  SaveTexture("001 First");
  ExpectNotice("cannot write " + data + "texture utente/001 First.bmp");
  EXPECT_EQ(FileBytes(data + "texture utente"), "a file where the library should be");
  EXPECT_EQ(window->Session().Pic4.Width(), 64) << "the result is kept";
}

TEST_F(FaultsTest, AReadOnlyTextureLibraryKeepsItsFilesAndSaysWhy) {
  StartScripted();
  MakeResult();
  const std::string library = data + "texture utente/";
  fs::create_directories(library);
  WritePicture(Flat(8, 8, 0x336699), "VARDELO24/texture utente/001 Wood.bmp");
  const std::string before = FileBytes(library + "001 Wood.bmp");
  if (!MakeReadOnly(library)) GTEST_SKIP() << "no way to make a folder read-only here";
  SaveTexture("001 Wood");
  ExpectNotice("cannot write " + library + "001 Wood.bmp");
  EXPECT_EQ(FileBytes(library + "001 Wood.bmp"), before);
  EXPECT_EQ(FilesIn(library), 1u);
}

// The notice names the file and says why: the system's words when the file
// cannot be read at all (root reads a file without read permission, so that
// case is left out there).
TEST_F(FaultsTest, EmptyDamagedUnreadableAndVanishedFilesLeaveImageAAsItWas) {
  StartScripted();
  OpenImageA(WritePicture(Varied(64, 48), "a.bmp"));
  const Picture before = window->Session().Pic1.Image();

  std::ofstream(root + "empty.bmp");
  OpenImageA(root + "empty.bmp");
  ExpectNotice("cannot read image A " + root + "empty.bmp: not a picture");

  OpenImageA(WriteCutShort("damaged.png", PictureFormat::Png, 200, 150));
  ExpectNotice("cannot read image A " + root + "damaged.png: damaged");

  // Chosen in the dialog, then deleted before it is read.
  OpenImageA(root + "gone.bmp");
  ExpectNotice("cannot read image A " + root + "gone.bmp: No such file or directory");

  fs::create_directory(root + "folder.bmp");
  OpenImageA(root + "folder.bmp");
  ExpectNotice("cannot read image A " + root + "folder.bmp: Is a directory");

  if (geteuid() != 0) {
    chmod(WritePicture(Varied(8, 8), "locked.bmp").c_str(), 0);
    OpenImageA(root + "locked.bmp");
    ExpectNotice("cannot read image A " + root + "locked.bmp: Permission denied");
  }

  ExpectSamePixels(window->Session().Pic1.Image(), before);
  EXPECT_EQ(window->Session().m.planes.Width(), 64);
  EXPECT_EQ(window->Session().m.planes.Height(), 48);
}

// FreeImage fills what a JPEG cut short lacks with grey: the picture opens
// as read, and the notice says so.
TEST_F(FaultsTest, AJpegCutShortOpensAndTheNoticeSaysItsMissingPartIsGrey) {
  StartScripted();
  const std::string cut = WriteCutShort("cut.jpg", PictureFormat::Jpeg, 64, 48);
  OpenImageA(cut);
  ExpectNotice("image A " + cut + ": file is truncated; the missing part is grey");
  const Picture opened = window->Session().Pic1.Image();
  ASSERT_EQ(opened->Width(), 64);
  EXPECT_EQ(opened->At(63, 47), PackRGB(128, 128, 128));
}

TEST_F(FaultsTest, NamesWithSpacesAndNonAsciiLettersOpenAndSave) {
  StartScripted();
  const std::string name = "Ferien am Strand \xC3\xA9t\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC.bmp";
  OpenImageA(WritePicture(Varied(40, 30), name));
  ExpectSamePixels(window->Session().Pic1.Image(), Varied(40, 30));
  RunAndWait([&] { CommandAction("grayscale")->trigger(); });
  const std::string out = root + "gr\xC3\xBC" "n blau.png";
  Answer(out, 3);
  Action("mnusalva")->trigger();
  Settle();
  EXPECT_TRUE(Notice().isEmpty()) << Notice().toStdString();
  ExpectSamePixels(LoadPictureFile(out), window->Session().imma.Image());
}

TEST_F(FaultsTest, SavingWhereNothingCanBeWrittenKeepsTheOldFileAndLeavesNoTemporaryFile) {
  StartScripted();
  MakeResult();
  std::ofstream(root + "plain file") << "not a folder";
  Answer(root + "plain file/out.bmp");
  Action("mnusalva")->trigger();
  Settle();
  ExpectNotice("cannot write " + root + "plain file/out.bmp");

  const std::string folder = root + "locked/";
  fs::create_directories(folder);
  std::ofstream(folder + "out.png") << "the good old file";
  if (!MakeReadOnly(folder)) GTEST_SKIP() << "no way to make a folder read-only here";
  Answer(folder + "out.png", 3);
  Action("mnusalva")->trigger();
  Settle();
  ExpectNotice("cannot write " + folder + "out.png");
  EXPECT_EQ(FileBytes(folder + "out.png"), "the good old file");
  EXPECT_EQ(FilesIn(folder), 1u);
  EXPECT_EQ(window->Session().imma.Width(), 64) << "the result is kept";
}

// Every picture is read by the decoder process, as the batch tool reads it,
// so what the commands compute on is the same in both.
TEST_F(FaultsTest, EveryFormatOpensAsTheBatchToolReadsIt) {
  StartScripted();
  const Picture picture = Varied(48, 32);
  const std::string paths[] = {WriteTestPicture(picture, root + "a.bmp", PictureFormat::Bmp),
                               WriteTestPicture(picture, root + "a.jpg", PictureFormat::Jpeg),
                               WriteTestPicture(picture, root + "a.png", PictureFormat::Png),
                               WriteTestPicture(picture, root + "a.tif", PictureFormat::Tiff),
                               WriteTestGif(picture, root + "a.gif")};
  for (const std::string& path : paths) {
    OpenImageA(path);
    ExpectSamePixels(window->Session().Pic1.Image(), LoadPictureFile(path));
  }
  // The JPEG, through a command, against the batch tool.
  OpenImageA(root + "a.jpg");
  RunAndWait([&] { CommandAction("grayscale")->trigger(); });
  ASSERT_EQ(RunBatchTool("apply '" + root + "a.jpg' '" + root + "batch.bmp' Grayscale"), 0);
  ExpectSamePixels(window->Session().imma.Image(), LoadPictureFile(root + "batch.bmp"));
}

}  // namespace

}  // namespace pixmora::test
