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

// A crop that does not fit one picture of a folder run fails that picture
// alone; nothing is made of it from the whole picture.
TEST(BatchMany, ACropThatDoesNotFitFailsItsPictureAlone) {
  const std::string dir = test::MakeScratchFolder();
  test::WriteTestPicture(test::Varied(30, 20), dir + "large.png", PictureFormat::Png);
  test::WriteTestPicture(test::Varied(9, 5), dir + "small.png", PictureFormat::Png);
  std::string err;
  const int code = test::RunCli(
      dir, "apply --out-dir '" + dir + "out' '" + dir + "large.png' '" + dir + "small.png' -- crop=2,2,10,10", &err);
  EXPECT_EQ(code, 1);
  EXPECT_NE(err.find("small.png"), std::string::npos) << err;
  EXPECT_NE(err.find("cannot crop image A: the box 2,2,10,10 reaches beyond its 9 x 5 pixels"), std::string::npos)
      << err;
  const Picture large = LoadPictureFile(dir + "out/large.png");
  ASSERT_TRUE(large);
  EXPECT_EQ(large->Width(), 10);
  EXPECT_FALSE(fs::exists(dir + "out/small.png"));
  test::RemoveFolder(dir);
}

}  // namespace pixmora
