// Transparency from files, through the decoder process, and into files: the
// alpha comes beside the very colours an opaque reading gives, and leaves in
// the formats that hold it.
#include <gtest/gtest.h>

#include "imageio/bmp_writer.h"
#include "imageio/mfreeimage.h"
#include "imageio/picture_files.h"
#include "imageio/resample.h"
#include "imageio/write_picture.h"
#include "tests/support/picture_files.h"
#include "tests/support/same_pixels.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

class TransparentFiles : public ::testing::Test {
 protected:
  void TearDown() override { test::RemoveFolder(dir); }
  // The file FreeImage writes of the bitmap, read as the editor reads it.
  Picture ReadBack(FIBITMAP* bitmap, int format, int flags = 0) {
    const std::string path = dir + "f" + std::to_string(files++);
    EXPECT_TRUE(SaveBitmap(format, bitmap, path, flags)) << format;
    return ReadChosenPicture(path).value_or(nullptr);
  }
  std::string dir = test::MakeScratchFolder();
  int files = 0;
};

}  // namespace

TEST_F(TransparentFiles, FilesArriveWithTheirAlphaBesideTheirColours) {
  const Picture original = test::Translucent(16, 16);  // an icon's size
  const Bitmap rgba = test::RgbaBitmapOf(original);
  for (int format : {FIF_PNG, FIF_TARGA, FIF_TIFF, FIF_BMP, FIF_PSD, FIF_ICO}) {
    SCOPED_TRACE(format);
    const Picture read = ReadBack(rgba.get(), format);
    test::ExpectSamePixels(read, original);
    test::ExpectSameAlpha(read, original);
  }
  // (WebP's encoder drops the colour of transparent pixels.)
  test::ExpectSameAlpha(ReadBack(rgba.get(), FIF_WEBP, WEBP_LOSSLESS), original);
  // Palette entries with alpha (tRNS, a GIF's transparent index): each pixel
  // has its entry's colour and alpha.
  const Bitmap palette = test::TranslucentPaletteBitmap(7, 5);
  const Picture expected = ImageToPicture(Bitmap(FreeImage_ConvertTo24Bits(palette.get())).get(), false).value();
  for (int format : {FIF_PNG, FIF_GIF}) {
    SCOPED_TRACE(format);
    const Picture read = ReadBack(palette.get(), format);
    test::ExpectSamePixels(read, expected);
    // (A GIF keeps one transparent entry: the others are opaque.)
    EXPECT_EQ(read->AlphaAt(1, 4), format == FIF_GIF ? 255 : 90);
    EXPECT_EQ(read->AlphaAt(2, 4), format == FIF_GIF ? 255 : 200);
    EXPECT_EQ(read->AlphaAt(0, 4), 0);
    EXPECT_EQ(read->AlphaAt(3, 4), 255);
  }
}

// Sixteen-bit alpha keeps its high byte, as sixteen-bit colour does.
TEST_F(TransparentFiles, SixteenBitAlphaArrivesAsItsHighByte) {
  Bitmap deep(FreeImage_AllocateT(FIT_RGBA16, 2, 1));
  auto* p = reinterpret_cast<FIRGBA16*>(FreeImage_GetScanLine(deep.get(), 0));
  p[0] = {0xAB12, 0x3400, 0x00FF, 0x80FF};
  p[1] = {0xFFFF, 0x0000, 0x8080, 0x0011};
  const Picture read = ReadBack(deep.get(), FIF_PNG);
  EXPECT_EQ(read->At(0, 0), PackRGB(0xAB, 0x34, 0x00));
  EXPECT_EQ(read->AlphaAt(0, 0), 0x80);
  EXPECT_EQ(read->AlphaAt(1, 0), 0x00);
}

// Opaque 32-bit files, and 32-bit BMP files whose fourth bytes are all 0
// (older writers leave them unused), hold no transparency.
TEST_F(TransparentFiles, UnusedAlphaIsNoTransparency) {
  const Picture opaque = test::Varied(9, 4);
  Bitmap unused = test::RgbaBitmapOf(opaque);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 9; ++x) FreeImage_GetScanLine(unused.get(), y)[x * 4 + FI_RGBA_ALPHA] = 0;
  const Bitmap full = test::RgbaBitmapOf(opaque);
  const std::pair<FIBITMAP*, int> files[] = {{full.get(), FIF_PNG}, {unused.get(), FIF_BMP}};
  for (auto [bitmap, format] : files) {
    const Picture read = ReadBack(bitmap, format);
    test::ExpectSamePixels(read, opaque);
    EXPECT_FALSE(read->GetAlpha()) << format;
  }
}

// PNG and TIFF keep the alpha, in 32-bit files; BMP and JPEG are 24-bit as
// always. An opaque picture makes 24-bit files everywhere.
TEST_F(TransparentFiles, FormatsThatHoldItKeepIt) {
  const Picture picture = test::Translucent(37, 23);
  for (PictureFormat format : {PictureFormat::Png, PictureFormat::Tiff, PictureFormat::Bmp, PictureFormat::Jpeg}) {
    SCOPED_TRACE(static_cast<int>(format));
    const std::string path = dir + "out" + std::to_string(static_cast<int>(format));
    ASSERT_TRUE(WritePictureFile(picture, path, format));
    EXPECT_EQ(test::ReadFacts(path).bpp, HoldsTransparency(format) ? 32u : 24u);
    if (!HoldsTransparency(format)) continue;
    const Picture read = ReadChosenPicture(path).value();
    test::ExpectSamePixels(read, picture);
    test::ExpectSameAlpha(read, picture);
    ASSERT_TRUE(RewriteWithResolution(path, format, 300));
    test::ExpectSameAlpha(ReadChosenPicture(path).value(), picture);
  }
  ASSERT_TRUE(WritePictureFile(test::Varied(5, 5), dir + "opaque.png", PictureFormat::Png));
  EXPECT_EQ(test::ReadFacts(dir + "opaque.png").bpp, 24u);
}

// The working files keep it in a 32-bit BMP, byte for byte FreeImage's.
TEST_F(TransparentFiles, WorkingBmpHoldsItAsFreeImageWritesIt) {
  for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {37, 23}}) {
    const Picture picture = test::Translucent(w, h);
    ASSERT_TRUE(SavePictureAsBmp(picture, dir + "ours.bmp", true));
    ASSERT_TRUE(SaveBitmap(FIF_BMP, test::RgbaBitmapOf(picture).get(), dir + "theirs.bmp", 0));
    EXPECT_EQ(test::FileBytes(dir + "ours.bmp"), test::FileBytes(dir + "theirs.bmp")) << w << " x " << h;
  }
}

// Alpha is resampled as a colour channel is: a picture whose red is its
// alpha comes out with the two still equal.
TEST_F(TransparentFiles, ResamplingFiltersAlphaAsColour) {
  const Picture translucent = test::Translucent(31, 17);
  const Picture redIsAlpha = WithAlpha(
      test::MakeTestPicture(31, 17, [&](int x, int y) { return PackRGB(translucent->AlphaAt(x, y), 0, 0); }),
      translucent->GetAlpha());
  for (ResampleFilter filter : {ResampleFilter::BSpline, ResampleFilter::CatmullRom}) {
    const Picture resampled = ResamplePicture(redIsAlpha, 20, 40, filter).value();
    ASSERT_TRUE(resampled->GetAlpha());
    for (int x = 0; x < 20; ++x)
      for (int y = 0; y < 40; ++y) ASSERT_EQ(resampled->AlphaAt(x, y), resampled->At(x, y) & 0xFF) << x << ", " << y;
  }
}

}  // namespace pixmora
