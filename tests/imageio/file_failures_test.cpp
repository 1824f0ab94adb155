// What the file layer says when a file cannot be read or written: the
// system's own words, with the file named. Tests may run as root, which reads
// a file without read permission all the same: that case is then skipped.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "imageio/picture_files.h"
#include "imageio/write_picture.h"
#include "tests/support/failure_of.h"
#include "tests/support/picture_files.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

// Why a chosen picture could not be read.
std::string WhyNotRead(const std::string& path) { return test::FailureOf(ReadChosenPicture(path)).why; }

}  // namespace

TEST(FileFailures, ReadingSaysWhatTheSystemSaid) {
  test::ScratchFolder s;
  EXPECT_EQ(test::FailureOf(ReadChosenPicture(s.dir + "gone.png")).Message(),
            "cannot read " + s.dir + "gone.png: No such file or directory");
  EXPECT_EQ(WhyNotRead(s.dir), "Is a directory");
  const std::string locked = test::WriteTestPicture(test::Varied(4, 4), s.dir + "locked.bmp");
  chmod(locked.c_str(), 0);
  if (geteuid() == 0) GTEST_SKIP() << "root reads a file without read permission";
  EXPECT_EQ(test::FailureOf(ReadChosenPicture(locked)).code, EACCES);
  EXPECT_EQ(WhyNotRead(locked), "Permission denied");
}

// A full disk: the write fails with the system's reason and nothing is left
// beside the device (it is written in place, never replaced).
TEST(FileFailures, AFullDiskSaysSoAndLeavesNothingBehind) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  for (PictureFormat format : {PictureFormat::Png, PictureFormat::Jpeg}) {
    const Status written = WritePictureFile(test::Varied(300, 200), "/dev/full", format);
    EXPECT_EQ(test::FailureOf(written).Message(), "cannot write /dev/full: No space left on device");
  }
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
  for (const auto& entry : std::filesystem::directory_iterator("/dev"))
    EXPECT_EQ(entry.path().filename().string().find(".full"), std::string::npos) << entry.path();
}

}  // namespace pixmora
