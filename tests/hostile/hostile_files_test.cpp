// Every hostile file goes through the batch tool under time and memory caps:
// no crash, no hang, one clear line, and exit 1 unless the damage happened to
// leave a readable picture.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/hostile_files.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {
// A sanitized build needs the address space for its shadow memory.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr const char* kMemoryCap = "";
#else
constexpr const char* kMemoryCap = "ulimit -v 2097152; ";
#endif
}  // namespace

TEST(HostileFiles, NeitherCrashNorHangTheBatchTool) {
  const std::string dir = test::MakeScratchFolder();
  const std::vector<std::string> files = test::WriteHostileFiles(dir);
  ASSERT_GT(files.size(), 250u);
  int refused = 0;
  for (const std::string& file : files) {
    std::string err;
    // 2 GiB of address space and 60 s for the whole tool: the decoder process has its own caps.
    const int code = test::RunCommand(std::string(kMemoryCap) + "timeout -s KILL 60 '" PIXMORA_CLI
                                      "' apply '" + file + "' '" + dir + "out.png' Grayscale",
                                      &err);
    ASSERT_TRUE(code == 0 || code == 1) << file << " exited " << code << ": " << err;
    if (code == 1) {
      ++refused;
      EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << file << ": " << err;
      EXPECT_NE(err.find("cannot read image A"), std::string::npos) << err;
    }
  }
  EXPECT_GT(refused, static_cast<int>(files.size()) / 2);
  test::RemoveFolder(dir);
}

}  // namespace pixmora
