// Transparent files through the batch tool: a per-pixel command, a
// neighbourhood command and the slider keep image A's alpha in a PNG, with
// the colours of the 24-bit BMP, which is the very file the same colours
// without alpha give; recipes replay it; flatten lays it onto a colour.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/flatten.h"
#include "imageio/picture_files.h"
#include "session/slider_command.h"
#include "tests/support/batch_tool.h"
#include "tests/support/picture_files.h"
#include "tests/support/run_command.h"
#include "tests/support/same_pixels.h"

namespace pixmora {

namespace {

class TransparentThroughTheTool : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directories(dir + "VARDELO24"); }
  void TearDown() override { test::RemoveFolder(dir); }

  // The file of the bitmap, and beside it a 24-bit BMP of its colours alone.
  std::string Write(FIBITMAP* bitmap, int format, const std::string& name) {
    EXPECT_TRUE(SaveBitmap(format, bitmap, dir + name, 0));
    EXPECT_TRUE(SaveBitmap(FIF_BMP, Bitmap(FreeImage_ConvertTo24Bits(bitmap)).get(), dir + name + ".bmp", 0));
    return dir + name;
  }
  void Run(const std::string& arguments, std::string* err = nullptr) {
    std::string said;
    ASSERT_EQ(test::RunCli(dir, "apply " + arguments, &said), 0) << arguments << ": " << said;
    if (err) *err = said;
  }
  Picture Read(const std::string& name) { return LoadPictureFile(dir + name); }

  std::string dir = test::MakeScratchFolder();
};

// Sixteen bits a channel, each value's low byte other than its high one.
Bitmap Deep(const Picture& p) {
  Bitmap deep(FreeImage_AllocateT(FIT_RGBA16, p->Width(), p->Height()));
  for (int y = 0; y < p->Height(); ++y) {
    auto* row = reinterpret_cast<FIRGBA16*>(FreeImage_GetScanLine(deep.get(), p->Height() - 1 - y));
    for (int x = 0; x < p->Width(); ++x) {
      const Channels c = SplitColour(p->At(x, y));
      auto wide = [](int v) { return static_cast<WORD>(v << 8 | 0x5A); };
      row[x] = {wide(c.r), wide(c.g), wide(c.b), wide(p->AlphaAt(x, y))};
    }
  }
  return deep;
}

}  // namespace

TEST_F(TransparentThroughTheTool, CommandsAndTheSliderKeepImageAsAlpha) {
  const Picture translucent = test::Translucent(40, 30);
  const Bitmap rgba = test::RgbaBitmapOf(translucent);
  const std::string inputs[] = {Write(rgba.get(), FIF_PNG, "rgba.png"), Write(Deep(translucent).get(), FIF_PNG, "deep.png"),
                                Write(test::TranslucentPaletteBitmap(40, 30).get(), FIF_PNG, "palette.png"),
                                Write(rgba.get(), FIF_TARGA, "rgba.tga"), Write(rgba.get(), FIF_TIFF, "rgba.tif")};
  for (const std::string& input : inputs) {
    const Picture imageA = LoadPictureFile(input);
    ASSERT_TRUE(imageA->GetAlpha()) << input;
    for (const std::string op : {"grayscale", "fog", "rotate:1"}) {
      SCOPED_TRACE(input + " " + op);
      std::string said;
      Run("'" + input + "' '" + dir + "out.bmp' " + op, &said);
      EXPECT_NE(said.find("transparency is lost"), std::string::npos) << said;
      Run("'" + input + ".bmp' '" + dir + "opaque.bmp' " + op);
      EXPECT_EQ(test::FileBytes(dir + "out.bmp"), test::FileBytes(dir + "opaque.bmp"));
      Run("'" + input + "' '" + dir + "out.png' " + op);
      const Picture png = Read("out.png");
      test::ExpectSamePixels(png, Read("out.bmp"));
      test::Session turned(imageA);
      if (op == "rotate:1") Slider1_Change(turned.ws, 1);
      test::ExpectSameAlpha(png, op == "rotate:1" ? turned.ws.Pic4.Image() : imageA);
    }
  }
}

// A picture whose every pixel is opaque, though its file has an alpha
// channel, gives the very files its colours alone give, in every format.
TEST_F(TransparentThroughTheTool, OpaquePicturesGiveTheFilesTheyAlwaysGave) {
  const std::string input = Write(test::RgbaBitmapOf(test::Varied(40, 30)).get(), FIF_PNG, "opaque.png");
  for (const char* ext : {"bmp", "jpg", "png", "tif"}) {
    Run("'" + input + "' '" + dir + "rgba." + ext + "' fog");
    Run("'" + input + ".bmp' '" + dir + "colours." + ext + "' fog");
    EXPECT_EQ(test::FileBytes(dir + "rgba." + ext), test::FileBytes(dir + "colours." + ext)) << ext;
  }
}

// A recipe replayed (each step on the one before's result), the flatten step
// and --flatten.
TEST_F(TransparentThroughTheTool, RecipesAndFlattening) {
  const Picture translucent = test::Translucent(40, 30);
  const std::string input = Write(test::RgbaBitmapOf(translucent).get(), FIF_PNG, "a.png");
  std::ofstream(dir + "r.recipe") << "pixmora-recipe 2\ngrayscale\nfog\n";
  Run("--recipe '" + dir + "r.recipe' '" + input + "' '" + dir + "replayed.png'");
  test::ExpectSameAlpha(Read("replayed.png"), translucent);

  Run("'" + input + "' '" + dir + "grey.png' grayscale");
  const Picture grey = Read("grey.png");
  Run("'" + input + "' '" + dir + "flat.bmp' grayscale --flatten 10,200,30");
  test::ExpectSamePixels(Read("flat.bmp"), Flattened(grey, PackRGB(10, 200, 30)));
  Run("'" + input + "' '" + dir + "flat.png' grayscale color2=10,200,30 flatten");
  test::ExpectSamePixels(Read("flat.png"), Read("flat.bmp"));
  EXPECT_EQ(test::ReadFacts(dir + "flat.png").bpp, 24u) << "opaque";
}

}  // namespace pixmora
