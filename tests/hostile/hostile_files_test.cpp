// Every hostile file goes through the batch tool under a time limit and a
// memory cap: no crash, no hang, one clear line, and exit 1 unless the damage
// happened to leave a readable picture. A small file that claims a large
// picture is refused at once, as damaged.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/hostile_files.h"
#include "tests/support/overclaiming_files.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

// A sanitized build needs the address space for its shadow memory.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr const char* kMemoryCap = "";
#else
constexpr const char* kMemoryCap = "ulimit -v 1048576; ";  // 1 GiB for the tool and its decoder
#endif

// Runs the batch tool on file, killed after seconds; answers its exit status.
int Apply(const std::string& file, const std::string& dir, int seconds, std::string* err) {
  return test::RunCommand(std::string(kMemoryCap) + "timeout -s KILL " + std::to_string(seconds) +
                              " '" PIXMORA_CLI "' apply '" + file + "' '" + dir + "out.png' Grayscale",
                          err);
}

}  // namespace

TEST(HostileFiles, NeitherCrashNorHangTheBatchTool) {
  test::ScratchFolder s;
  const std::vector<std::string> files = test::WriteHostileFiles(s.dir);
  ASSERT_GT(files.size(), 300u);
  int refused = 0;
  for (const std::string& file : files) {
    std::string err;
    const int code = Apply(file, s.dir, 5, &err);
    ASSERT_TRUE(code == 0 || code == 1) << file << " exited " << code << " (137: killed after 5 s): " << err;
    if (code == 1) {
      ++refused;
      EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << file << ": " << err;
      EXPECT_NE(err.find("cannot read image A"), std::string::npos) << err;
    }
  }
  EXPECT_GT(refused, static_cast<int>(files.size()) / 2);
}

TEST(HostileFiles, SmallFilesClaimingLargePicturesAreRefusedAtOnceAsDamaged) {
  test::ScratchFolder s;
  for (const std::string& file : test::WriteOverclaimingFiles(s.dir)) {
    std::string err;
    EXPECT_EQ(Apply(file, s.dir, 2, &err), 1) << file << " (137: killed after 2 s): " << err;
    const std::string bytes = std::to_string(std::filesystem::file_size(file));
    EXPECT_NE(err.find(": damaged: it claims "), std::string::npos) << err;
    EXPECT_NE(err.find("pixels, more than its " + bytes + " bytes can hold"), std::string::npos) << err;
  }
}

}  // namespace pixmora
