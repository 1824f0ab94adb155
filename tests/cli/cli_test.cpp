#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "imageio/picture_files.h"
#include "tests/support/batch_tool.h"
#include "tests/support/picture_files.h"
#include "tests/support/same_pixels.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace fs = std::filesystem;

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(dir + "VARDELO24"); }
  void TearDown() override { test::RemoveFolder(dir); }

  int Cli(const std::string& args, std::string* err = nullptr) {
    return test::RunCli(dir, args, err);
  }
  std::string Out(const std::string& name) { return dir + name; }

  std::string dir = test::MakeScratchFolder();
  std::string input = test::WriteTestPicture(test::Varied(23, 17), dir + "in.png", PictureFormat::Png);
};

TEST_F(CliTest, ListsEveryChoosableEntryInMenuOrder) {
  const std::string listing = Out("list.txt");
  ASSERT_EQ(Cli("list > '" + listing + "'"), 0);
  std::ifstream in(listing);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 59u);
  EXPECT_EQ(lines.front(), "color:0\tGradient\tgradient");
  EXPECT_EQ(lines.back(), "effects:9\tCircles\tcircles");
  for (const auto& l : lines) EXPECT_EQ(l.find("\t-"), std::string::npos) << l;
  ASSERT_EQ(Cli("list --inputs > '" + listing + "'"), 0);
  std::ifstream withInputs(listing);
  std::string line;
  for (int i = 0; i < 17 && std::getline(withInputs, line);) ++i;
  EXPECT_EQ(line, "mix:0\tImage mixing with A-B\tmix-image-b\tstrength,image-b");
}

// A key, its caption in another letter case and MENU:INDEX are one command.
TEST_F(CliTest, KeyCaptionAndPlaceWriteTheSameBytes) {
  const std::string ops[] = {"relief-red", "'RELIEF - (RED)'", "filters:1"};
  std::string bytes[3];
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(Cli("apply '" + input + "' '" + Out("k.png") + "' " + ops[i]), 0) << ops[i];
    bytes[i] = test::FileBytes(Out("k.png"));
  }
  EXPECT_EQ(bytes[0], bytes[1]);
  EXPECT_EQ(bytes[0], bytes[2]);
}

TEST_F(CliTest, WritesEachFormatAt24Bits) {
  const Picture original = LoadPictureFile(input);
  for (const std::string name : {"o.bmp", "o.png", "o.tif", "o.tiff", "o.jpg", "o.JPEG"}) {
    ASSERT_EQ(Cli("apply '" + input + "' '" + Out(name) + "' 'image negative'"), 0) << name;
    ASSERT_TRUE(fs::exists(Out(name))) << "the exact name asked for: " << name;
    const test::FileFacts facts = test::ReadFacts(Out(name));
    EXPECT_EQ(facts.bpp, 24u) << name;
    const Picture back = LoadPictureFile(Out(name));
    ASSERT_TRUE(back) << name;
    ASSERT_EQ(back->Width(), 23);
    if (facts.format == PictureFormat::Jpeg) continue;
    for (int x = 0; x < 23; ++x)
      for (int y = 0; y < 17; ++y) ASSERT_EQ(back->At(x, y), original->At(x, y) ^ 0xFFFFFFu) << name;
  }
}

// An OUTPUT's extension names its format in any letter case, as in the
// window's Save file, and the file takes exactly the name typed.
TEST_F(CliTest, AnUpperCaseExtensionChoosesItsFormatUnderTheNameTyped) {
  const std::pair<std::string, PictureFormat> outputs[] = {{"UP.JPG", PictureFormat::Jpeg},
                                                           {"Scan.TIF", PictureFormat::Tiff}};
  for (const auto& [name, format] : outputs) {
    ASSERT_EQ(Cli("apply '" + input + "' '" + Out(name) + "' grayscale"), 0) << name;
    EXPECT_EQ(test::ReadFacts(Out(name)).format, format) << name;
  }
  EXPECT_FALSE(fs::exists(Out("UP.JPG.jpg"))) << "no second extension";
}

TEST_F(CliTest, UsageErrorsExitTwoWithOneLine) {
  const std::string bad[] = {"nosuchop", "color:1", "color:22", "effects:4", "color:x",
                             "grayscale --strength 0", "grayscale --strength 11",
                             "grayscale --size 0", "grayscale --color1 256,0,0",
                             "grayscale --color2 1,2", "grayscale --color1 a,b,c",
                             "grayscale --bogus 1", "grayscale --strength"};
  for (const std::string& args : bad) {
    std::string err;
    EXPECT_EQ(Cli("apply '" + input + "' '" + Out("u.png") + "' " + args, &err), 2) << args;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << args << ": " << err;
    EXPECT_FALSE(fs::exists(Out("u.png"))) << args;
  }
  EXPECT_EQ(Cli("apply '" + input + "' '" + Out("u.gif") + "' grayscale"), 2);
  EXPECT_EQ(Cli("frobnicate"), 2);
  EXPECT_EQ(Cli("--help > /dev/null"), 0);
}

TEST_F(CliTest, TimingsNameEveryStageOnOneLineAndChangeNothing) {
  std::string err;
  ASSERT_EQ(Cli("apply '" + input + "' '" + Out("t.png") + "' Grayscale rotate:1 --timings", &err), 0);
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  for (const char* stage : {"decode ", "command ", "publish ", "encode ", "total "})
    EXPECT_NE(err.find(stage), std::string::npos) << stage << " in " << err;
  ASSERT_EQ(Cli("apply '" + input + "' '" + Out("n.png") + "' Grayscale rotate:1"), 0);
  test::ExpectSamePixels(LoadPictureFile(Out("t.png")), LoadPictureFile(Out("n.png")));
}

TEST_F(CliTest, UnreadableInputOrUnwritableOutputExitOne) {
  std::string err;
  EXPECT_EQ(Cli("apply '" + Out("none.png") + "' '" + Out("o.png") + "' grayscale", &err), 1);
  EXPECT_NE(err.find("none.png"), std::string::npos);
  std::ofstream(Out("junk.jpg")) << "definitely not a jpeg";
  EXPECT_EQ(Cli("apply '" + Out("junk.jpg") + "' '" + Out("o.png") + "' grayscale", &err), 1);
  fs::copy_file(input, Out("cut.png"));
  fs::resize_file(Out("cut.png"), 70);
  EXPECT_EQ(Cli("apply '" + Out("cut.png") + "' '" + Out("o.png") + "' grayscale", &err), 1);
  EXPECT_EQ(Cli("apply '" + input + "' '" + Out("no/such/dir/o.png") + "' grayscale", &err), 1);
  EXPECT_NE(err.find("cannot write"), std::string::npos);
  EXPECT_FALSE(fs::exists(Out("o.png")));
  int hidden = 0;
  for (const auto& e : fs::directory_iterator(dir)) hidden += e.path().filename().string()[0] == '.';
  EXPECT_EQ(hidden, 0) << "no temporary file is left behind";
}

TEST_F(CliTest, NamesWithSpacesAndNonAsciiCharacters) {
  fs::copy_file(input, Out("mia foto è.png"));
  ASSERT_EQ(Cli("apply '" + Out("mia foto è.png") + "' '" + Out("risultato è.bmp") + "' Grayscale"), 0);
  EXPECT_TRUE(fs::exists(Out("risultato è.bmp")));
}

}  // namespace pixmora
