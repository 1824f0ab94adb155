#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "imageio/mfreeimage.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace fs = std::filesystem;

class SaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PictureSurface s;
    s.SetPicture(test::Varied(20, 10));
    bitmap = ImageFromDeviceContext(s);
  }
  void TearDown() override {
    FreeImage_Unload(bitmap);
    test::RemoveFolder(dir);
  }
  bool Save(const std::string& name, int format) {
    return SaveImageFile(bitmap, dir + name, format, 0, 24, SizeArg::Whole(20), SizeArg::Whole(10),
                         false, 3, false);
  }
  FIBITMAP* bitmap = nullptr;
  std::string dir = test::MakeScratchFolder();
};

TEST_F(SaveTest, TheExtensionRuleIsCaseSensitive) {
  EXPECT_TRUE(Save("noext", kFormatJpeg));
  EXPECT_TRUE(fs::exists(dir + "noext.jpg"));
  EXPECT_TRUE(Save("upper.JPG", kFormatJpeg));
  EXPECT_TRUE(fs::exists(dir + "upper.JPG.jpg"));
  EXPECT_TRUE(Save("lower.jpg", kFormatJpeg));
  EXPECT_TRUE(fs::exists(dir + "lower.jpg"));
  EXPECT_TRUE(Save("tex.png", kFormatBmp));
  EXPECT_TRUE(fs::exists(dir + "tex.png.bmp"));
  EXPECT_TRUE(ExtensionMatchesFormat(kFormatJpeg, "a.JPG", false));
  EXPECT_FALSE(ExtensionMatchesFormat(kFormatJpeg, "a.JPG", true));
  EXPECT_TRUE(ExtensionMatchesFormat(kFormatJpeg, "a.peg", true)) << "a tail of a listed extension";
  EXPECT_FALSE(ExtensionMatchesFormat(kFormatJpeg, "nodot", true));
  EXPECT_EQ(FormatPrimaryExtension(kFormatJpeg), "jpg");
  EXPECT_EQ(FormatPrimaryExtension(kFormatTiff), "tif");
}

TEST_F(SaveTest, EveryFormatWrites24Bits) {
  for (auto [name, format] : {std::pair{"a.bmp", kFormatBmp}, {"a.jpg", kFormatJpeg},
                              {"a.png", kFormatPng}, {"a.tif", kFormatTiff}}) {
    ASSERT_TRUE(Save(name, format)) << name;
    FIBITMAP* back = FreeImage_Load(static_cast<FREE_IMAGE_FORMAT>(format), (dir + name).c_str(), 0);
    ASSERT_TRUE(back) << name;
    EXPECT_EQ(FreeImage_GetBPP(back), 24u) << name;
    EXPECT_EQ(FreeImage_GetWidth(back), 20u);
    FreeImage_Unload(back);
  }
}

// Reading a TIFF back, as "Save file" does before its second write, makes
// FreeImage ask the TIFF library about tags it has no name for; none of that
// reaches the terminal.
TEST_F(SaveTest, ATiffWrittenReadAndWrittenAgainSaysNothingOnTheTerminal) {
  testing::internal::CaptureStderr();
  ASSERT_TRUE(Save("a.tif", kFormatTiff));
  FIBITMAP* back = LoadBitmap(kFormatTiff, dir + "a.tif", 0);
  ASSERT_TRUE(back);
  EXPECT_TRUE(SaveBitmap(kFormatTiff, back, dir + "a.tif", 0));
  FreeImage_Unload(back);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(SaveTest, A32BitCaptureIsConvertedAndTheCallersBitmapStays) {
  FIBITMAP* wide = FreeImage_ConvertTo32Bits(bitmap);
  ASSERT_TRUE(SaveImageFile(wide, dir + "w.bmp", kFormatBmp, 0, 24, {}, {}, false, 3, false));
  EXPECT_EQ(FreeImage_GetBPP(wide), 32u) << "still valid and untouched";
  FreeImage_Unload(wide);
  FIBITMAP* back = FreeImage_Load(FIF_BMP, (dir + "w.bmp").c_str(), 0);
  EXPECT_EQ(FreeImage_GetBPP(back), 24u);
  FreeImage_Unload(back);
}

TEST_F(SaveTest, TextureSizeResamples) {
  ASSERT_TRUE(SaveImageFile(bitmap, dir + "001 Wood.bmp", kFormatBmp, 0, 24, SizeArg::Whole(256),
                            SizeArg::Whole(256), false, 3, false));
  FIBITMAP* back = FreeImage_Load(FIF_BMP, (dir + "001 Wood.bmp").c_str(), 0);
  EXPECT_EQ(FreeImage_GetWidth(back), 256u);
  EXPECT_EQ(FreeImage_GetHeight(back), 256u);
  EXPECT_EQ(FreeImage_GetBPP(back), 24u);
  FreeImage_Unload(back);
}

TEST_F(SaveTest, ErrorsOfTheSaveLayer) {
  EXPECT_FALSE(SaveImageFile(nullptr, dir + "x.bmp", kFormatBmp, 0, 24, {}, {}, false, 3, false));
  try {
    SaveImageFile(bitmap, dir + "x.unknownext", -1, 0, 0, {}, {}, false, 3, false);
    FAIL();
  } catch (const ImageError& e) {
    EXPECT_EQ(e.Number(), 5);
    EXPECT_NE(e.Summary().find("Unknown image format."), std::string::npos);
  }
  EXPECT_THROW(Save("x.jpg", kFormatJpeg + 1000), ImageError);
}

TEST_F(SaveTest, AFailedWriteLeavesTheOldFileAndNoTemporary) {
  std::ofstream(dir + "keep.bmp") << "old contents";
  fs::create_directory(dir + "sub");
  EXPECT_FALSE(Save("missing/keep.bmp", kFormatBmp));
  // A folder where a file should go: the rename fails after a complete write.
  EXPECT_FALSE(SaveBitmap(kFormatBmp, bitmap, dir + "sub", 0));
  std::ifstream in(dir + "keep.bmp");
  std::string text;
  std::getline(in, text);
  EXPECT_EQ(text, "old contents");
  int entries = 0;
  for (const auto& e : fs::directory_iterator(dir)) entries += e.path().filename().string()[0] == '.';
  EXPECT_EQ(entries, 0) << "no temporary file is left behind";
  EXPECT_FALSE(LastFileLayerMessage().empty());
}

TEST(DepthRules, NextLowerDepthAndResolution) {
  EXPECT_EQ(NextLowerDepth(32), 24);
  EXPECT_EQ(NextLowerDepth(24), 16);
  EXPECT_EQ(NextLowerDepth(16), 15);
  EXPECT_EQ(NextLowerDepth(15), 8);
  EXPECT_EQ(NextLowerDepth(8), 4);
  EXPECT_EQ(NextLowerDepth(4), 1);
  EXPECT_EQ(NextLowerDepth(2), 0);
  EXPECT_EQ(NextLowerDepth(1), 0);
  FIBITMAP* b = FreeImage_Allocate(2, 2, 24, 0, 0, 0);
  const std::pair<int, unsigned> cases[] = {{72, 2835}, {96, 3780}, {300, 11811}, {0, 0}, {1, 39}};
  for (auto [dpi, dpm] : cases) {
    SetImageDpiX(b, dpi);
    SetImageDpiY(b, dpi);
    EXPECT_EQ(FreeImage_GetDotsPerMeterX(b), dpm);
    EXPECT_EQ(FreeImage_GetDotsPerMeterY(b), dpm);
  }
  FIBITMAP* grey = ConvertImageDepth(b, 9, false, 128, 0, 0);
  EXPECT_EQ(FreeImage_GetBPP(grey), 8u);
  EXPECT_EQ(ConvertImageDepth(grey, 9, false, 128, 0, 0), grey) << "already grey";
  EXPECT_EQ(ConvertImageDepth(b, 24, false, 128, 0, 0), b);
  FreeImage_Unload(grey);
  FreeImage_Unload(b);
}

}  // namespace pixmora
