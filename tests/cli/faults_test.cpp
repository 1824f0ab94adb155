// Faults a user can run into: a full disk, a read-only data folder, empty
// and extreme pictures. Filesystems of our own are mounted where the system
// lets the tests do so; otherwise those cases are skipped.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "imageio/picture_files.h"
#include "tests/support/batch_tool.h"
#include "tests/support/picture_files.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace fs = std::filesystem;

class FaultsTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const std::string& m : mounts) umount2(m.c_str(), MNT_DETACH);
    test::RemoveFolder(dir);
  }
  // A small filesystem of our own at dir + name; false when mounting is not allowed.
  bool MountTmpfs(const std::string& name, const std::string& options) {
    const std::string at = dir + name;
    fs::create_directories(at);
    if (mount("tmpfs", at.c_str(), "tmpfs", 0, options.c_str()) != 0) return false;
    mounts.push_back(at);
    return true;
  }
  std::string WritePicture(const std::string& name, const Picture& p,
                           PictureFormat format = PictureFormat::Bmp) {
    return test::WriteTestPicture(p, dir + name, format);
  }
  int Cli(const std::string& args, std::string* err = nullptr) {
    return test::RunCli(dir + "xdg", args, err);
  }
  std::string dir = test::MakeScratchFolder();
  std::vector<std::string> mounts;
};

TEST_F(FaultsTest, AFullDiskLeavesTheOldFileWhole) {
  if (!MountTmpfs("full", "size=256k")) GTEST_SKIP() << "cannot mount a small filesystem here";
  const std::string full = dir + "full/";
  // A BMP, and a JPEG written as its rows are decoded.
  const std::pair<std::string, std::string> runs[] = {
      {WritePicture("in.bmp", test::Varied(300, 300)), full + "out.bmp"},
      {WritePicture("in.jpg", test::Varied(300, 300), PictureFormat::Jpeg), full + "out.jpg"}};
  for (const auto& [input, old] : runs) std::ofstream(old) << "the good old file";
  std::ofstream filler(full + "filler", std::ios::binary);
  const std::string block(4096, 'x');
  while (filler << block) {
  }
  for (const auto& [input, old] : runs) {
    std::string err;
    EXPECT_EQ(Cli("apply '" + input + "' '" + old + "' Grayscale", &err), 1);
    EXPECT_NE(err.find("cannot write " + old + ": No space left on device"), std::string::npos) << err;
    std::ifstream in(old);
    std::string text;
    std::getline(in, text);
    EXPECT_EQ(text, "the good old file");
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(full), fs::directory_iterator()), 3)
      << "no temporary file is left behind";
}

TEST_F(FaultsTest, AReadOnlyDataFolderChangesNothing) {
  fs::create_directories(dir + "xdg");
  if (!MountTmpfs("xdg/VARDELO24", "ro,size=64k")) GTEST_SKIP() << "cannot mount here";
  const std::string input = WritePicture("in.bmp", test::Flat(5, 5, PackRGB(0, 0, 0)));
  std::string err;
  ASSERT_EQ(Cli("apply '" + input + "' '" + dir + "out.bmp' 'Image negative'", &err), 0) << err;
  EXPECT_EQ(err, "") << "the batch tool keeps no result file there";
  EXPECT_EQ(LoadPictureFile(dir + "out.bmp")->At(2, 2), 0xFFFFFFu);
}

TEST_F(FaultsTest, EmptyAndExtremePictures) {
  std::ofstream(dir + "zero.png");
  std::string err;
  EXPECT_EQ(Cli("apply '" + dir + "zero.png' '" + dir + "o.bmp' Grayscale", &err), 1);
  EXPECT_NE(err.find("zero.png"), std::string::npos);

  const std::string line = WritePicture("line.png", test::Varied(32767, 1), PictureFormat::Png);
  ASSERT_EQ(Cli("apply '" + line + "' '" + dir + "line-out.png' Grayscale 'Image negative'", &err), 0) << err;
  EXPECT_EQ(LoadPictureFile(dir + "line-out.png")->Width(), 32767);

  const std::string wide = WritePicture("wide.png", test::Flat(32768, 1, 0), PictureFormat::Png);
  EXPECT_EQ(Cli("apply '" + wide + "' '" + dir + "o.bmp' Grayscale", &err), 1);
  EXPECT_NE(err.find("32768 x 1"), std::string::npos) << err;
}

// A picture the system does not let us read is named with the system's
// reason (root reads a file without read permission: that part is skipped).
TEST_F(FaultsTest, APictureThatCannotBeReadIsNamedWithTheSystemsReason) {
  fs::create_directory(dir + "folder.png");
  std::string err;
  EXPECT_EQ(Cli("apply '" + dir + "folder.png' '" + dir + "o.bmp' Grayscale", &err), 1);
  EXPECT_EQ(err, "pixmora-cli: cannot read image A " + dir + "folder.png: Is a directory\n");
  if (geteuid() == 0) GTEST_SKIP() << "root reads a file without read permission";
  const std::string locked = WritePicture("locked.bmp", test::Varied(4, 4));
  chmod(locked.c_str(), 0);
  EXPECT_EQ(Cli("apply '" + locked + "' '" + dir + "o.bmp' Grayscale", &err), 1);
  EXPECT_EQ(err, "pixmora-cli: cannot read image A " + locked + ": Permission denied\n");
}

// FreeImage fills what a JPEG cut short lacks with grey: the picture is used
// as read, the run succeeds, and one note says so.
TEST_F(FaultsTest, AJpegCutShortIsUsedWithItsMissingPartGreyAndANote) {
  const std::string whole = test::FileBytes(WritePicture("whole.jpg", test::Varied(64, 48), PictureFormat::Jpeg));
  const std::string cut = dir + "cut.jpg";
  std::ofstream(cut, std::ios::binary) << whole.substr(0, whole.size() / 2);
  std::string err;
  EXPECT_EQ(Cli("apply '" + cut + "' '" + dir + "out.bmp' Grayscale", &err), 0);
  const std::string said = "pixmora-cli: note: image A " + cut + ": file is truncated; the missing part is grey\n";
  EXPECT_EQ(err, said);
  EXPECT_EQ(Cli("apply --out-dir '" + dir + "out' '" + cut + "' -- Grayscale", &err), 0);
  EXPECT_EQ(err, said);  // a folder run names the picture once
  const Result<Picture> read = ReadChosenPicture(cut);
  ASSERT_TRUE(read) << read.error().Message();
  EXPECT_EQ((*read)->At(63, 47), PackRGB(128, 128, 128));
}

// A sanitized build needs the address space for its shadow memory.
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
// 96 megapixels in a file of a few kilobytes, with 1 GiB of address space:
// refused by its size before it is decoded.
TEST_F(FaultsTest, APictureThatLeavesNoRoomForACommandIsRefusedByItsSize) {
  const std::string big = test::WriteOneBitPng(dir + "big.png", 12000, 8000);
  std::string err;
  EXPECT_EQ(test::RunCommand("ulimit -v 1048576; '" PIXMORA_CLI "' apply '" + big + "' '" + dir +
                                 "o.bmp' Grayscale",
                             &err),
            1);
  EXPECT_NE(err.find("cannot read image A " + big + ": 12000 x 8000 pixels need 1.5 GB of memory to edit"),
            std::string::npos)
      << err;
}
#endif

}  // namespace pixmora
