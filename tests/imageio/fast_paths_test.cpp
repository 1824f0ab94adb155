// The working-file writer and the decoder's straight-to-picture path against
// FreeImage's own writer and decoder.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "imageio/decode_file.h"
#include "imageio/mfreeimage.h"
#include "imageio/picture_bitmap.h"
#include "imageio/picture_files.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

std::vector<char> Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Widths with and without row padding, and the one-pixel edge cases.
const std::pair<int, int> kSizes[] = {{1, 1}, {2, 3}, {3, 2}, {4, 5}, {5, 4}, {36, 7}, {37, 23}};

class FastPaths : public ::testing::Test {
 protected:
  void TearDown() override { test::RemoveFolder(dir); }
  std::string dir = test::MakeScratchFolder();
};

}  // namespace

TEST_F(FastPaths, WorkingBmpIsByteForByteFreeImages) {
  for (auto [w, h] : kSizes) {
    const Picture picture = test::Varied(w, h);
    std::string error;
    ASSERT_TRUE(SavePictureAsBmp(picture, dir + "ours.bmp", &error)) << error;
    PictureSurface surface;
    surface.SetPicture(picture);
    FIBITMAP* bitmap = ImageFromDeviceContext(surface);
    ASSERT_TRUE(SaveBitmap(kFormatBmp, bitmap, dir + "theirs.bmp", 0));
    FreeImage_Unload(bitmap);
    EXPECT_EQ(Bytes(dir + "ours.bmp"), Bytes(dir + "theirs.bmp")) << w << " x " << h;
  }
}

TEST_F(FastPaths, EncodersGiveTheSameFilesFromOurRows) {
  for (auto [w, h] : kSizes) {
    const Picture picture = test::Varied(w, h);
    PictureSurface surface;
    surface.SetPicture(picture);
    FIBITMAP* theirs = ImageFromDeviceContext(surface);
    const PictureBitmap ours(*picture);
    for (int format : {kFormatJpeg, kFormatPng, kFormatTiff}) {
      ASSERT_TRUE(SaveBitmap(format, ours.Get(), dir + "ours", 0));
      ASSERT_TRUE(SaveBitmap(format, theirs, dir + "theirs", 0));
      EXPECT_EQ(Bytes(dir + "ours"), Bytes(dir + "theirs")) << format << ": " << w << " x " << h;
    }
    FreeImage_Unload(theirs);
  }
}

TEST_F(FastPaths, AnEmptyPictureIsNotWritten) {
  std::string error;
  EXPECT_FALSE(SavePictureAsBmp(nullptr, dir + "e.bmp", &error));
  EXPECT_EQ(error, "the picture is empty");
}

TEST_F(FastPaths, ColourFilesComeFromTheDecoderWithFreeImagesPixels) {
  for (auto [w, h] : kSizes) {
    PictureSurface surface;
    surface.SetPicture(test::Varied(w, h));
    FIBITMAP* colour = ImageFromDeviceContext(surface);
    FIBITMAP* rgba = FreeImage_ConvertTo32Bits(colour);
    const std::pair<FIBITMAP*, int> files[] = {
        {colour, FIF_BMP}, {colour, FIF_PNG}, {rgba, FIF_PNG}, {rgba, FIF_TARGA}};
    int n = 0;
    for (auto [bitmap, format] : files) {
      const std::string path = dir + "f" + std::to_string(n++);
      ASSERT_TRUE(SaveBitmap(format, bitmap, path, 0));
      const Picture expected = ImageToPicture(DecodeFile(path, 0).bitmap, true);
      const Picture direct = LoadImageAsPicture(path, 0, {}, {}, false, FILTER_BSPLINE, nullptr);
      ASSERT_TRUE(direct) << format;
      ASSERT_EQ(direct->Width(), w);
      ASSERT_EQ(direct->Height(), h);
      for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y)
          ASSERT_EQ(direct->At(x, y), expected->At(x, y)) << format << " at " << x << ", " << y;
    }
    FreeImage_Unload(colour);
    FreeImage_Unload(rgba);
  }
}

}  // namespace pixmora
