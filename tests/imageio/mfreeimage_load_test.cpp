#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "imageio/mfreeimage.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

struct Bitmap {
  explicit Bitmap(FIBITMAP* b) : b(b) {}
  ~Bitmap() {
    if (b) FreeImage_Unload(b);
  }
  FIBITMAP* b;
};

class LoadTest : public ::testing::Test {
 protected:
  void TearDown() override { test::RemoveFolder(dir); }
  std::string Write(const std::string& name, const Picture& p, int format) {
    PictureSurface s;
    s.SetPicture(p);
    Bitmap bitmap(ImageFromDeviceContext(s));
    EXPECT_TRUE(SaveBitmap(format, bitmap.b, dir + name, 0));
    return dir + name;
  }
  std::string dir = test::MakeScratchFolder();
};

}  // namespace

TEST_F(LoadTest, TheContentDecidesTheFormatNotTheName) {
  const std::string path = Write("photo.bmp", test::Varied(8, 6), kFormatJpeg);
  int format = -99;
  Bitmap b(LoadImageFile(path, 0, {}, {}, false, 3, &format));
  ASSERT_TRUE(b.b);
  EXPECT_EQ(format, kFormatJpeg);
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
  const std::string path = Write("cut.png", test::Varied(64, 64), kFormatPng);
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
  for (int format : {kFormatBmp, kFormatPng, kFormatTiff}) {
    const std::string path = Write("p" + std::to_string(format), original, format);
    const Picture back = LoadImageAsPicture(path, 0x8000, {}, {}, false, 3, nullptr);
    ASSERT_TRUE(back) << format;
    ASSERT_EQ(back->Width(), 13);
    ASSERT_EQ(back->Height(), 9);
    for (int x = 0; x < 13; ++x)
      for (int y = 0; y < 9; ++y) ASSERT_EQ(back->At(x, y), original->At(x, y)) << format;
  }
}

// Sixteen-bit files keep the high byte of each value: a 16-bit red of 0xAB12
// is the 8-bit red 0xAB, whether the file is RGB, RGBA or grey.
TEST_F(LoadTest, SixteenBitPicturesArriveAsTheirHighBytes) {
  Bitmap rgb(FreeImage_AllocateT(FIT_RGB16, 2, 1));
  Bitmap rgba(FreeImage_AllocateT(FIT_RGBA16, 2, 1));
  Bitmap grey(FreeImage_AllocateT(FIT_UINT16, 2, 1));
  auto* c = reinterpret_cast<FIRGB16*>(FreeImage_GetScanLine(rgb.b, 0));
  c[0] = {0xAB12, 0x3400, 0x00FF};
  c[1] = {0xFFFF, 0x0000, 0x8080};
  auto* a = reinterpret_cast<FIRGBA16*>(FreeImage_GetScanLine(rgba.b, 0));
  a[0] = {0xAB12, 0x3400, 0x00FF, 0x0000};
  a[1] = {0xFFFF, 0x0000, 0x8080, 0xFFFF};
  auto* g = reinterpret_cast<uint16_t*>(FreeImage_GetScanLine(grey.b, 0));
  g[0] = 0x0100;
  g[1] = 0xC0FF;
  const std::pair<FIBITMAP*, int> files[] = {
      {rgb.b, kFormatPng}, {rgb.b, kFormatTiff}, {rgba.b, kFormatPng}, {grey.b, kFormatPng}};
  int n = 0;
  for (auto [bitmap, format] : files) {
    const std::string path = dir + "deep" + std::to_string(n++);
    ASSERT_TRUE(SaveBitmap(format, bitmap, path, 0)) << n;
    const Picture p = LoadImageAsPicture(path, 0, {}, {}, false, 3, nullptr);
    ASSERT_TRUE(p) << n;
    if (bitmap == grey.b) {
      EXPECT_EQ(p->At(0, 0), PackRGB(1, 1, 1));
      EXPECT_EQ(p->At(1, 0), PackRGB(0xC0, 0xC0, 0xC0));
    } else {
      EXPECT_EQ(p->At(0, 0), PackRGB(0xAB, 0x34, 0x00)) << n;
      EXPECT_EQ(p->At(1, 0), PackRGB(0xFF, 0x00, 0x80)) << n;
    }
  }
}

TEST(RescaleImage, SizeRules) {
  auto fresh = [](int w, int h) { return FreeImage_Allocate(w, h, 24, 0, 0, 0); };
  FIBITMAP* src = fresh(400, 200);
  EXPECT_EQ(RescaleImage(src, SizeArg::Whole(400), SizeArg::Whole(200), false, false, 3, false), src);
  EXPECT_EQ(RescaleImage(src, SizeArg::Whole(0), SizeArg::Whole(0), false, false, 3, false), src);
  auto size = [&](SizeArg w, SizeArg h, bool pct) {
    Bitmap b(RescaleImage(src, w, h, pct, false, 3, false));
    return std::make_pair(FreeImage_GetWidth(b.b), FreeImage_GetHeight(b.b));
  };
  EXPECT_EQ(size(SizeArg::Whole(100), {}, false), std::make_pair(100u, 50u));
  EXPECT_EQ(size({}, SizeArg::Whole(50), false), std::make_pair(100u, 50u));
  EXPECT_EQ(size(SizeArg::Floating(0.5), {}, false), std::make_pair(200u, 100u));
  EXPECT_EQ(size(SizeArg::Floating(50.0), {}, true), std::make_pair(200u, 100u));
  EXPECT_EQ(size(SizeArg::Whole(50), SizeArg::Whole(50), true), std::make_pair(50u, 50u));
  EXPECT_EQ(size(SizeArg::Floating(0.00625), SizeArg::Floating(0.0175), false),
            std::make_pair(2u, 4u)) << "2.5 and 3.5 round to 2 and 4";
  FreeImage_Unload(src);
  FIBITMAP* big = fresh(506, 506);
  Bitmap small(RescaleImage(big, SizeArg::Whole(256), SizeArg::Whole(256), false, true, 3, false));
  EXPECT_EQ(FreeImage_GetWidth(small.b), 256u);
  EXPECT_EQ(FreeImage_GetHeight(small.b), 256u);
}

TEST_F(LoadTest, HeaderOnlyBitmapsAreRefused) {
  const std::string path = Write("h.bmp", test::Flat(10, 10, 0), kFormatBmp);
  Bitmap header(LoadImageFile(path, FIF_LOAD_NOPIXELS, {}, {}, false, 3, nullptr));
  ASSERT_TRUE(header.b);
  ASSERT_FALSE(HasPixels(header.b));
  try {
    RescaleImage(header.b, SizeArg::Whole(5), {}, false, false, 3, false);
    FAIL();
  } catch (const ImageError& e) {
    EXPECT_EQ(e.Number(), 5);
    EXPECT_EQ(e.Source(), "MFreeImage");
    EXPECT_EQ(e.Summary(), "Unable to rescale a 'header-only' bitmap.");
    EXPECT_EQ(e.Description().rfind(kLeadText, 0), 0u);
  }
  EXPECT_THROW(ImageToPicture(header.b, false), ImageError);
}

TEST(ImageExchange, CaptureAndBackAreExact) {
  PictureSurface s;
  s.SetPicture(test::Varied(31, 17));
  Bitmap b(ImageFromDeviceContext(s));
  ASSERT_TRUE(b.b);
  EXPECT_EQ(FreeImage_GetBPP(b.b), 24u);
  const Picture back = ImageToPicture(b.b, false);
  for (int x = 0; x < 31; ++x)
    for (int y = 0; y < 17; ++y) ASSERT_EQ(back->At(x, y), s.Point(x, y));
  EXPECT_EQ(ImageFromDeviceContext(PictureSurface()), nullptr);
}

}  // namespace pixmora
