#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/batch_many.h"
#include "cli/command_line.h"
#include "imageio/picture_files.h"
#include "tests/support/batch_tool.h"
#include "tests/support/failure_of.h"
#include "tests/support/picture_files.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace fs = std::filesystem;

TEST(BatchMany, OutputNamesFollowTheInputs) {
  cli::ManyRequest r = cli::ParseMany({"--out-dir", "out", "a/one.jpg", "b/one.jpg", "two.gif",
                                       "three", "--", "Grayscale", "--strength", "3"})
                           .value();
  EXPECT_EQ(cli::OutputNames(r),
            (std::vector<std::string>{"out/one.jpg", "out/one-2.jpg", "out/two.png", "out/three.png"}));
  r.format = "tif";
  EXPECT_EQ(cli::OutputNames(r)[1], "out/one-2.tif");
  EXPECT_EQ(r.stepsAndOptions, (std::vector<std::string>{"Grayscale", "--strength", "3"}));
}

TEST(BatchMany, UsageErrorsAreFoundBeforeAnyPictureRuns) {
  using V = std::vector<std::string>;
  for (const V& args : {V{"--out-dir", "o", "a.png", "Grayscale"}, V{"--out-dir", "o", "--", "Grayscale"},
                        V{"--out-dir", "o", "a.png", "--", "color:1"},
                        V{"--out-dir", "o", "--format", "gif", "a.png", "--", "Grayscale"},
                        V{"--out-dir", "o", "a.png", "--", "Grayscale", "--strength", "0"}})
    EXPECT_EQ(test::FailureOf(cli::ParseMany(args)).kind, Failure::Kind::Usage);
}

TEST(BatchMany, ABadFileInTheMiddleDoesNotStopTheOthers) {
  const std::string dir = test::MakeScratchFolder();
  test::WriteTestPicture(test::Varied(9, 5), dir + "a.png", PictureFormat::Png);
  test::WriteTestPicture(test::Varied(9, 5), dir + "c.bmp");
  std::ofstream(dir + "b.jpg") << "not a picture";
  std::string err;
  const int code = test::RunCli(dir,
                                "apply --out-dir '" + dir + "out' '" + dir + "a.png' '" + dir +
                                    "b.jpg' '" + dir + "c.bmp' -- 'Image negative'",
                                &err);
  EXPECT_EQ(code, 1);
  EXPECT_NE(err.find("1 of 3 pictures failed"), std::string::npos) << err;
  EXPECT_NE(err.find("b.jpg"), std::string::npos);
  const Picture a = LoadPictureFile(dir + "out/a.png"), c = LoadPictureFile(dir + "out/c.bmp");
  ASSERT_TRUE(a && c);
  EXPECT_EQ(a->At(3, 2), test::Varied(9, 5)->At(3, 2) ^ 0xFFFFFFu);
  EXPECT_FALSE(fs::exists(dir + "out/b.jpg"));
  test::RemoveFolder(dir);
}

}  // namespace pixmora
