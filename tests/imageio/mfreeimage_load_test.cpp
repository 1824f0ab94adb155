#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "imageio/mfreeimage.h"
#include "tests/support/picture_files.h"
#include "tests/support/same_pixels.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

class LoadTest : public ::testing::Test {
 protected:
  void TearDown() override { test::RemoveFolder(dir); }
  std::string Write(const std::string& name, const Picture& p, PictureFormat format) {
    return test::WriteTestPicture(p, dir + name, format);
  }
  std::string dir = test::MakeScratchFolder();
};

}  // namespace

TEST_F(LoadTest, TheContentDecidesTheFormatNotTheName) {
  const std::string path = Write("photo.bmp", test::Varied(8, 6), PictureFormat::Jpeg);
  int format = -99;
  Bitmap b(LoadImageFile(path, 0, {}, {}, false, 3, &format));
  ASSERT_TRUE(b);
  EXPECT_EQ(format, FIF_JPEG);
}

TEST_F(LoadTest, UnknownContentGivesNoBitmapAndNoError) {
  std::ofstream(dir + "notes.bmp") << "this is not a picture at all";
  int format = 0;
  EXPECT_EQ(LoadImageFile(dir + "notes.bmp", 0, {}, {}, false, 3, &format), nullptr);
  EXPECT_EQ(format, -1);
  EXPECT_EQ(LoadImageAsPicture(dir + "notes.bmp", 0, {}, {}, false, 3, nullptr), nullptr);
  EXPECT_EQ(LoadImageAsPicture("", 0, {}, {}, false, 3, nullptr), nullptr);
}

TEST_F(LoadTest, ADamagedFileRaisesInvalidPicture) {
  const std::string path = Write("cut.png", test::Varied(64, 64), PictureFormat::Png);
  std::filesystem::resize_file(path, 60);  // header intact, data gone
  try {
    Bitmap b(LoadImageFile(path, 0, {}, {}, false, 3, nullptr));
    FAIL() << "a truncated file must not load";
  } catch (const ImageError& e) {
    EXPECT_EQ(e.Number(), 481);
    EXPECT_TRUE(e.Source().empty());
  }
}

TEST_F(LoadTest, PicturesArriveWithTheirPixels) {
  const Picture original = test::Varied(13, 9);
  for (PictureFormat format : {PictureFormat::Bmp, PictureFormat::Png, PictureFormat::Tiff}) {
    SCOPED_TRACE(static_cast<int>(format));
    const std::string path = Write("p" + std::to_string(static_cast<int>(format)), original, format);
    test::ExpectSamePixels(LoadImageAsPicture(path, 0x8000, {}, {}, false, 3, nullptr), original);
  }
}

// Sixteen-bit files keep the high byte of each value: a 16-bit red of 0xAB12
// is the 8-bit red 0xAB, whether the file is RGB, RGBA or grey.
TEST_F(LoadTest, SixteenBitPicturesArriveAsTheirHighBytes) {
  Bitmap rgb(FreeImage_AllocateT(FIT_RGB16, 2, 1));
  Bitmap rgba(FreeImage_AllocateT(FIT_RGBA16, 2, 1));
  Bitmap grey(FreeImage_AllocateT(FIT_UINT16, 2, 1));
  auto* c = reinterpret_cast<FIRGB16*>(FreeImage_GetScanLine(rgb.get(), 0));
  c[0] = {0xAB12, 0x3400, 0x00FF};
  c[1] = {0xFFFF, 0x0000, 0x8080};
  auto* a = reinterpret_cast<FIRGBA16*>(FreeImage_GetScanLine(rgba.get(), 0));
  a[0] = {0xAB12, 0x3400, 0x00FF, 0x0000};
  a[1] = {0xFFFF, 0x0000, 0x8080, 0xFFFF};
  auto* g = reinterpret_cast<uint16_t*>(FreeImage_GetScanLine(grey.get(), 0));
  g[0] = 0x0100;
  g[1] = 0xC0FF;
  const std::pair<FIBITMAP*, int> files[] = {
      {rgb.get(), FIF_PNG}, {rgb.get(), FIF_TIFF}, {rgba.get(), FIF_PNG}, {grey.get(), FIF_PNG}};
  int n = 0;
  for (auto [bitmap, format] : files) {
    const std::string path = dir + "deep" + std::to_string(n++);
    ASSERT_TRUE(SaveBitmap(format, bitmap, path, 0)) << n;
    const Picture p = LoadImageAsPicture(path, 0, {}, {}, false, 3, nullptr);
    ASSERT_TRUE(p) << n;
    if (bitmap == grey.get()) {
      EXPECT_EQ(p->At(0, 0), PackRGB(1, 1, 1));
      EXPECT_EQ(p->At(1, 0), PackRGB(0xC0, 0xC0, 0xC0));
    } else {
      EXPECT_EQ(p->At(0, 0), PackRGB(0xAB, 0x34, 0x00)) << n;
      EXPECT_EQ(p->At(1, 0), PackRGB(0xFF, 0x00, 0x80)) << n;
    }
  }
}

TEST_F(LoadTest, HeaderOnlyBitmapsAreRefused) {
  const std::string path = Write("h.bmp", test::Flat(10, 10, 0), PictureFormat::Bmp);
  Bitmap header(LoadImageFile(path, FIF_LOAD_NOPIXELS, {}, {}, false, 3, nullptr));
  ASSERT_TRUE(header.get());
  ASSERT_FALSE(HasPixels(header.get()));
  try {
    ImageToPicture(header.get(), false);
    FAIL();
  } catch (const ImageError& e) {
    EXPECT_EQ(e.Number(), 5);
    EXPECT_EQ(e.Source(), "MFreeImage");
    EXPECT_EQ(e.Summary(), "Unable to create a picture from a 'header-only' bitmap.");
    EXPECT_EQ(e.Description().rfind(kLeadText, 0), 0u);
  }
}

TEST(ImageExchange, BitmapsBecomeTheirPicturesExactly) {
  const Picture picture = test::Varied(31, 17);
  test::ExpectSamePixels(ImageToPicture(test::BitmapOf(picture).get(), false), picture);
}

}  // namespace pixmora
