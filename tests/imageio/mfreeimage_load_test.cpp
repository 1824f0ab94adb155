#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "imageio/mfreeimage.h"
#include "tests/support/failure_of.h"
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
  Bitmap b(LoadImageFile(path, 0, {}, {}, false, 3, &format).value_or(nullptr));
  ASSERT_TRUE(b);
  EXPECT_EQ(format, FIF_JPEG);
}

// Bytes no decoder knows are not a picture; a file whose format is known but
// whose data is gone is damaged.
TEST_F(LoadTest, UnknownContentIsNotAPictureAndACutFileIsDamaged) {
  std::ofstream(dir + "notes.bmp") << "this is not a picture at all";
  EXPECT_EQ(test::FailureOf(LoadImageAsPicture(dir + "notes.bmp", 0, {}, {}, false, 3, nullptr)).Message(),
            "cannot read " + dir + "notes.bmp: not a picture");
  const std::string path = Write("cut.png", test::Varied(64, 64), PictureFormat::Png);
  std::filesystem::resize_file(path, 60);  // header intact, data gone
  EXPECT_EQ(test::FailureOf(LoadImageFile(path, 0, {}, {}, false, 3, nullptr)).Message(),
            "cannot read " + path + ": damaged");
}

TEST_F(LoadTest, PicturesArriveWithTheirPixels) {
  const Picture original = test::Varied(13, 9);
  for (PictureFormat format : {PictureFormat::Bmp, PictureFormat::Png, PictureFormat::Tiff}) {
    SCOPED_TRACE(static_cast<int>(format));
    const std::string path = Write("p" + std::to_string(static_cast<int>(format)), original, format);
    test::ExpectSamePixels(LoadImageAsPicture(path, 0x8000, {}, {}, false, 3, nullptr).value_or(nullptr),
                           original);
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
    const Picture p = LoadImageAsPicture(path, 0, {}, {}, false, 3, nullptr).value_or(nullptr);
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
  Bitmap header(LoadImageFile(path, FIF_LOAD_NOPIXELS, {}, {}, false, 3, nullptr).value_or(nullptr));
  ASSERT_TRUE(header.get());
  ASSERT_FALSE(HasPixels(header.get()));
  EXPECT_EQ(test::FailureOf(ImageToPicture(header.get(), false)).kind, Failure::Kind::Usage);
  EXPECT_EQ(test::FailureOf(RescaleImage(header.get(), SizeArg::Whole(5), {}, false, false, 3, false)).kind,
            Failure::Kind::Usage);
}

TEST(ImageExchange, BitmapsBecomeTheirPicturesExactly) {
  const Picture picture = test::Varied(31, 17);
  test::ExpectSamePixels(ImageToPicture(test::BitmapOf(picture).get(), false).value_or(nullptr), picture);
}

}  // namespace pixmora
