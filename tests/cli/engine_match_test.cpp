// The batch tool's steps, end to end, against the engine run in this process
// on the same pictures with the same control values.
#include <gtest/gtest.h>

#include <filesystem>

#include "imageio/picture_files.h"
#include "session/slider_command.h"
#include "tests/support/batch_tool.h"
#include "tests/support/picture_files.h"
#include "tests/support/same_pixels.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

class CliMatchesTheEngine : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir + "VARDELO24");
    test::WriteTestPicture(imageA, dir + "a.png", PictureFormat::Png);
    test::WriteTestPicture(imageB, dir + "b.bmp");
    values.size = 7;
  }
  void TearDown() override { test::RemoveFolder(dir); }

  // Runs the steps through the batch tool, with the values above and the
  // given options, and compares its picture with the expected one.
  void ExpectTheTool(const std::string& steps, const Picture& expected,
                     const std::string& options = "") {
    SCOPED_TRACE(steps);
    std::string err;
    ASSERT_EQ(
        test::RunCli(dir,
                     "apply '" + dir + "a.png' '" + dir + "out.bmp' " + steps +
                         " --color1 200,30,90 --color2 10,250,40 --strength 3 --size 7" + options,
                     &err),
        0)
        << err;
    test::ExpectSamePixels(LoadPictureFile(dir + "out.bmp"), expected);
  }

  std::string dir = test::MakeScratchFolder();
  const Picture imageA = test::Varied(45, 43);
  const Picture imageB =
      test::MakeTestPicture(12, 40, [](int x, int y) { return PackRGB(x * 20, y * 6, 99); });
  ControlValues values = test::Values(3, PackRGB(200, 30, 90), PackRGB(10, 250, 40));
};

}  // namespace

// Diffuse among them: the tool starts from the same random state as a session.
TEST_F(CliMatchesTheEngine, CommandsOnImageAAlone) {
  std::vector<std::string> keys{"gradient", "grayscale", "diffuse", "horizontal-blinds",
                                "horizontal-blinds-reversed", "vertical-blinds", "vertical-blinds-reversed",
                                "horizontal-lines", "vertical-lines", "squares", "rectangles"};
  for (const CatalogueEntry& e : MenuEntries(Menu::Special)) keys.push_back(e.key);
  for (const std::string& key : keys) {
    test::Session s(imageA);
    s.ws.values = values;
    test::RunByKey(s.ws, key);
    ExpectTheTool(key, s.ws.Pic4.Image());
  }
  EXPECT_FALSE(std::filesystem::exists(dir + "VARDELO24/ps.bmp")) << "the batch tool writes only its outputs";
}

// Image B is brought to image A's size through a working folder of the run's
// own, gone with it.
TEST_F(CliMatchesTheEngine, MixImageCommandsWithTheirPictures) {
  const std::string pictures =
      " --image-b '" + dir + "b.bmp' --pattern '" + dir + "b.bmp' --shape '" + dir + "b.bmp'";
  for (const std::string key : {"mix-image-b", "mix-pattern", "insert-shape", "outline", "slide-image"}) {
    test::Session s(imageA);
    s.ws.values = values;
    s.ws.Pic2.SetPicture(imageB);
    s.ws.PatPic.SetPicture(imageB);
    s.ws.Pic3.SetPicture(imageB);
    test::RunByKey(s.ws, key);
    ExpectTheTool(key, s.ws.Pic4.Image(), pictures);
  }
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
    EXPECT_EQ(entry.path().filename().string().find("pgraf"), std::string::npos) << entry.path();
}

// Each step after the first works on the previous result.
TEST_F(CliMatchesTheEngine, RotationsAndCommandsChain) {
  test::Session turned(imageA);
  turned.ws.Pic4.SetSize(45, 43);
  Slider1_Change(turned.ws, 2);
  ExpectTheTool("rotate:2", turned.ws.Pic4.Image());

  test::Session chained(imageA);
  chained.ws.Pic4.SetSize(45, 43);
  Slider1_Change(chained.ws, 1);
  chained.ws.Pic1.SetPicture(chained.ws.Pic4.Image());
  Slider1_Change(chained.ws, -1);
  chained.ws.Pic1.SetPicture(chained.ws.Pic4.Image());
  test::RunByKey(chained.ws, "grayscale");
  ExpectTheTool("rotate:1 rotate:-1 Grayscale", chained.ws.Pic4.Image());
  ExpectTheTool("image-negative 'IMAGE NEGATIVE'", imageA);
}

}  // namespace pixmora
