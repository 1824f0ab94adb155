// The batch tool's rotation step and a Mix Image step with image B, end to
// end, against the engine run in this process.
#include <gtest/gtest.h>

#include <filesystem>

#include "session/slider_command.h"
#include "imageio/picture_files.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

class CliMixAndRotate : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir + "VARDELO24");
    imageA = Write("a.bmp", test::Varied(31, 19));
    imageB = Write("b.bmp", test::MakeTestPicture(12, 40, [](int x, int y) {
      return PackRGB(x * 20, y * 6, 99);
    }));
  }
  void TearDown() override { test::RemoveFolder(dir); }

  std::string Write(const std::string& name, const Picture& picture) {
    EXPECT_TRUE(SavePictureAsBmp(picture, dir + name, nullptr));
    return dir + name;
  }

  // The data folder and the temporary folder both inside the scratch folder.
  int Cli(const std::string& args, std::string* err = nullptr) {
    return test::RunCommand("XDG_DATA_HOME='" + dir + "' TMPDIR='" + dir + "' '" PIXMORA_CLI
                            "' " + args, err);
  }

  void ExpectSame(const Picture& cli, const test::Session& s) {
    ASSERT_TRUE(cli);
    ASSERT_EQ(cli->Width(), s.ws.Pic4.Width());
    ASSERT_EQ(cli->Height(), s.ws.Pic4.Height());
    for (int x = 0; x < cli->Width(); ++x)
      for (int y = 0; y < cli->Height(); ++y) ASSERT_EQ(cli->At(x, y), s.Result(x, y)) << x << "," << y;
  }

  std::string dir = test::MakeScratchFolder();
  std::string imageA, imageB;
};

}  // namespace

TEST_F(CliMixAndRotate, RotateRunsTheSliderOnImageA) {
  ASSERT_EQ(Cli("apply '" + imageA + "' '" + dir + "out.png' rotate:2"), 0);
  test::Session s(LoadPictureFile(imageA));
  s.ws.Pic4.SetSize(31, 19);
  Slider1_Change(s.ws, 2);
  ExpectSame(LoadPictureFile(dir + "out.png"), s);
  EXPECT_EQ(s.Result(0, 0), kDefaultBackColour) << "the cleared result shows the back colour";
}

TEST_F(CliMixAndRotate, RotationsChainLikeOtherSteps) {
  ASSERT_EQ(Cli("apply '" + imageA + "' '" + dir + "out.bmp' rotate:1 rotate:-1 Grayscale"), 0);
  test::Session s(LoadPictureFile(imageA));
  s.ws.Pic4.SetSize(31, 19);
  Slider1_Change(s.ws, 1);
  s.ws.Pic1.SetPicture(s.ws.Pic4.Image());
  Slider1_Change(s.ws, -1);
  s.ws.Pic1.SetPicture(s.ws.Pic4.Image());
  mnuCol_Click(s.ws, 21);
  ExpectSame(LoadPictureFile(dir + "out.bmp"), s);
}

TEST_F(CliMixAndRotate, MixWithImageBOfAnotherSize) {
  ASSERT_EQ(Cli("apply '" + imageA + "' '" + dir + "mix.png' mix:0 --image-b '" + imageB +
                "' --strength 4"),
            0);
  // Image B went through a working folder of the run's own, gone with it.
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
    EXPECT_TRUE(entry.path().filename() == "a.bmp" || entry.path().filename() == "b.bmp" ||
                entry.path().filename() == "mix.png" || entry.is_directory())
        << entry.path() << " is not the run's output";
  test::Session s(LoadPictureFile(imageA));
  s.ws.Pic2.SetPicture(LoadPictureFile(imageB));
  s.ws.values.strength = 4;
  mnuMix_Click(s.ws, 0);
  ExpectSame(LoadPictureFile(dir + "mix.png"), s);
}

TEST_F(CliMixAndRotate, EveryMixCommandRuns) {
  for (const std::string op : {"mix:1", "'Insert Shape'", "outline", "'slide image'"}) {
    std::string err;
    EXPECT_EQ(Cli("apply '" + imageA + "' '" + dir + "m.png' " + op + " --image-b '" + imageB +
                      "' --pattern '" + imageB + "' --shape '" + imageB + "' --size 7",
                  &err),
              0)
        << op << ": " << err;
  }
}

}  // namespace pixmora
