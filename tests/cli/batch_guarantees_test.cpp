// What the batch tool promises beyond the pixels: no result lost to another's
// name, no picture replaced unasked, every note said, nothing left behind.
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "cli/batch_many.h"
#include "cli/command_line.h"
#include "imageio/picture_files.h"
#include "tests/support/picture_files.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace fs = std::filesystem;

class BatchGuarantees : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"a.bmp", "b.bmp"})
      ASSERT_TRUE(SavePictureAsBmp(test::Varied(21, 13), dir + name));
  }
  void TearDown() override { test::RemoveFolder(dir); }

  int Cli(const std::string& args, std::string* err = nullptr) {
    return test::RunCommand("XDG_DATA_HOME='" + dir + "' XDG_RUNTIME_DIR= TMPDIR='" + dir +
                                "tmp' '" PIXMORA_CLI "' " + args,
                            err);
  }
  std::vector<std::string> Leftovers(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    return names;
  }

  std::string dir = test::MakeScratchFolder();
};

TEST_F(BatchGuarantees, EveryOutputNameIsTheRunsOwnLetterCaseAside) {
  const cli::ManyRequest r =
      cli::ParseMany({"--out-dir", "o", "a/x.png", "b/X.png", "c/x-2.png", "d/x.PNG", "--", "Fog"}).value();
  EXPECT_EQ(cli::OutputNames(r),
            (std::vector<std::string>{"o/x.png", "o/X-3.png", "o/x-2.png", "o/x-4.png"}));
}

// Any spelling of a file the run reads, a symbolic link or a hard link to it,
// as the output: refused with status 2, every file and link left as it was.
TEST_F(BatchGuarantees, NothingTheRunReadsIsWrittenOverUnasked) {
  namespace fs = std::filesystem;
  fs::create_directory(dir + "sub");
  fs::create_symlink(dir + "a.bmp", dir + "link.bmp");
  fs::create_hard_link(dir + "a.bmp", dir + "hard.bmp");
  std::ofstream(dir + "recipe.png") << "pixmora-recipe 2\nfog\n";
  const std::string a = test::FileBytes(dir + "a.bmp"), b = test::FileBytes(dir + "b.bmp");
  const std::string refused[] = {
      "'" + dir + "a.bmp' '" + dir + "sub/../a.bmp' fog",
      "'" + dir + "a.bmp' '" + dir + "link.bmp' fog",
      "'" + dir + "a.bmp' '" + dir + "hard.bmp' fog --overwrite",
      "'" + dir + "a.bmp' '" + dir + "b.bmp' mix-image-b --image-b '" + dir + "b.bmp' --overwrite",
      "--recipe '" + dir + "recipe.png' '" + dir + "a.bmp' '" + dir + "recipe.png' --overwrite",
      "--out-dir '" + dir + "' '" + dir + "a.bmp' -- fog",
      "--overwrite --out-dir '" + dir + "sub' '" + dir + "a.bmp' -- mix-image-b --image-b '" + dir + "sub/a.bmp'",
  };
  std::ofstream(dir + "sub/a.bmp") << "";
  for (const std::string& args : refused) {
    std::string err;
    EXPECT_EQ(Cli("apply " + args, &err), 2) << args;
    EXPECT_NE(err.find(" is "), std::string::npos) << args << ": " << err;
  }
  EXPECT_EQ(test::FileBytes(dir + "a.bmp"), a);
  EXPECT_EQ(test::FileBytes(dir + "b.bmp"), b);
  EXPECT_TRUE(fs::is_symlink(dir + "link.bmp"));
  EXPECT_EQ(fs::hard_link_count(dir + "a.bmp"), 2u);
}

// With --overwrite, in either form, image A takes its result once it is
// whole; through a symbolic link the link stays a link.
TEST_F(BatchGuarantees, OverwriteReplacesImageAThroughALinkKeepingIt) {
  namespace fs = std::filesystem;
  fs::create_symlink(dir + "a.bmp", dir + "link.bmp");
  const std::string before = test::FileBytes(dir + "a.bmp");
  ASSERT_EQ(Cli("apply '" + dir + "a.bmp' '" + dir + "link.bmp' fog --overwrite"), 0);
  EXPECT_TRUE(fs::is_symlink(dir + "link.bmp"));
  const std::string once = test::FileBytes(dir + "a.bmp");
  EXPECT_NE(once, before);
  ASSERT_EQ(Cli("apply --overwrite --out-dir '" + dir + "' '" + dir + "b.bmp' -- fog"), 0);
  EXPECT_EQ(test::FileBytes(dir + "a.bmp"), once) << "only its own picture";
}

TEST_F(BatchGuarantees, EveryNoteReachesTheUserNamedByItsPicture) {
  std::string err;
  EXPECT_EQ(Cli("apply '" + dir + "a.bmp' '" + dir + "o.png' horizontal-lines --size 8 --color2 1,2,3", &err), 0);
  EXPECT_NE(err.find("note: --size is not read by Horizontal lines"), std::string::npos) << err;
  EXPECT_NE(err.find("note: --color2 is not read by Horizontal lines"), std::string::npos) << err;

  EXPECT_EQ(Cli("apply --out-dir '" + dir + "o' '" + dir + "a.bmp' '" + dir + "b.bmp' -- Fog size=3", &err), 0);
  for (const char* name : {"a.bmp: note: size=3", "b.bmp: note: size=3"})
    EXPECT_NE(err.find(name), std::string::npos) << err;

  EXPECT_EQ(Cli("apply '" + dir + "a.bmp' '" + dir + "m.png' 'Image mixing with A-B'", &err), 2);
  EXPECT_NE(err.find("needs image B"), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(dir + "m.png"));
  EXPECT_EQ(Cli("apply '" + dir + "' '" + dir + "m.png' Fog", &err), 1);
  EXPECT_NE(err.find("Is a directory"), std::string::npos) << err;
}

TEST_F(BatchGuarantees, ARecipeAndTheSameWordsGiveTheSamePixels) {
  std::ofstream(dir + "r.recipe") << "pixmora-recipe 1\nimage-a=elsewhere.png\nFog\n"
                                     "image-b=result  # Fog goes to image B\n"
                                     "strength=3 \"Image mixing with A-B\"\n";
  ASSERT_EQ(Cli("apply --recipe '" + dir + "r.recipe' '" + dir + "a.bmp' '" + dir + "r.png'"), 0);
  ASSERT_EQ(Cli("apply -- '" + dir + "a.bmp' '" + dir + "w.png' Fog image-b=result strength=3 mix-image-b"), 0);
  test::ExpectSamePixels(LoadPictureFile(dir + "r.png"), LoadPictureFile(dir + "w.png"));
  ASSERT_EQ(Cli("apply --recipe '" + dir + "r.recipe' '" + dir + "a.bmp' '" + dir + "r.bmp'"), 0);
  ASSERT_EQ(Cli("apply --recipe '" + dir + "r.recipe' --out-dir '" + dir + "o' '" + dir + "a.bmp'"), 0);
  EXPECT_EQ(test::FileBytes(dir + "o/a.bmp"), test::FileBytes(dir + "r.bmp"));
}

// Ctrl+C in the middle of a run takes the run's working folder with it, and
// what a killed run left is cleared by the next run there.
TEST_F(BatchGuarantees, NothingIsLeftBehindByAnInterruptedOrKilledRun) {
  fs::create_directories(dir + "tmp");
  ASSERT_TRUE(SavePictureAsBmp(test::Varied(2000, 1500), dir + "big.bmp"));
  const pid_t run = fork();
  if (run == 0) {
    setenv("TMPDIR", (dir + "tmp").c_str(), 1);
    unsetenv("XDG_RUNTIME_DIR");
    execl(PIXMORA_CLI, PIXMORA_CLI, "apply", (dir + "big.bmp").c_str(), (dir + "big.png").c_str(),
          "Obscure", "Obscure", "Obscure", "Obscure", "Obscure", "Obscure", nullptr);
    _exit(127);
  }
  const auto start = std::chrono::steady_clock::now();
  while (Leftovers(dir + "tmp").empty() && std::chrono::steady_clock::now() - start < std::chrono::seconds(20))
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  ASSERT_EQ(Leftovers(dir + "tmp").size(), 1u) << "the run's working folder";
  kill(run, SIGINT);
  int status = 0;
  waitpid(run, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT);
  EXPECT_TRUE(Leftovers(dir + "tmp").empty());

  // pid_max stays below 2^22, so these writers are gone.
  fs::create_directories(dir + "tmp/pixmora-work-9999999-AbCdEf");
  fs::create_directories(dir + "o");
  std::ofstream(dir + "o/.x.png.pixmora-9999999-AbCdEf");
  ASSERT_EQ(Cli("apply --out-dir '" + dir + "o' '" + dir + "a.bmp' -- Fog"), 0);
  EXPECT_EQ(Leftovers(dir + "o"), std::vector<std::string>{"a.bmp"});
  EXPECT_TRUE(Leftovers(dir + "tmp").empty());
}

TEST_F(BatchGuarantees, QualityAndCompressionShapeTheOutputOnly) {
  std::string err;
  const std::string a = "apply '" + dir + "a.bmp' '" + dir;
  ASSERT_EQ(Cli(a + "plain.jpg' Fog"), 0);
  ASSERT_EQ(Cli(a + "q75.jpg' Fog --quality 75"), 0);
  ASSERT_EQ(Cli(a + "q10.jpg' Fog --quality 10"), 0);
  EXPECT_EQ(test::FileBytes(dir + "q75.jpg"), test::FileBytes(dir + "plain.jpg")) << "75 is the default";
  EXPECT_LT(test::FileBytes(dir + "q10.jpg").size(), test::FileBytes(dir + "plain.jpg").size());
  ASSERT_EQ(Cli(a + "fast.png' Fog --compression fast"), 0);
  ASSERT_EQ(Cli(a + "best.png' Fog --compression best"), 0);
  test::ExpectSamePixels(LoadPictureFile(dir + "fast.png"), LoadPictureFile(dir + "best.png"));
  EXPECT_EQ(Cli(a + "x.png' Fog --quality 50", &err), 0);
  EXPECT_NE(err.find("--quality is for JPEG output only"), std::string::npos) << err;
  EXPECT_EQ(Cli(a + "x.png' Fog --quality 101", &err), 2);
}

TEST_F(BatchGuarantees, HelpAndVersionAnswer) {
  std::string err;
  EXPECT_EQ(Cli("apply --help > '" + dir + "help'", &err), 0) << err;
  EXPECT_NE(test::FileBytes(dir + "help").find("--recipe"), std::string::npos);
  EXPECT_EQ(Cli("--version > '" + dir + "version'"), 0);
  EXPECT_EQ(test::FileBytes(dir + "version").rfind("pixmora-cli ", 0), 0u);
}

}  // namespace pixmora
