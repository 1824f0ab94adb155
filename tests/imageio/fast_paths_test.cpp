// The working-file writer, the encoders fed from our rows and the decoder's
// straight-to-picture path against FreeImage's own writer and decoder, given
// bitmaps filled pixel by pixel.
#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <vector>

#include "imageio/decode_file.h"
#include "imageio/freeimage_values.h"
#include "imageio/mfreeimage.h"
#include "imageio/picture_bitmap.h"
#include "imageio/picture_files.h"
#include "imageio/write_picture.h"
#include "tests/support/picture_files.h"
#include "tests/support/same_pixels.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

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
    ASSERT_TRUE(SavePictureAsBmp(picture, dir + "ours.bmp"));
    test::WriteTestPicture(picture, dir + "theirs.bmp");
    EXPECT_EQ(test::FileBytes(dir + "ours.bmp"), test::FileBytes(dir + "theirs.bmp"))
        << w << " x " << h;
  }
}

TEST_F(FastPaths, EncodersGiveTheSameFilesFromOurRows) {
  for (auto [w, h] : kSizes) {
    const Picture picture = test::Varied(w, h);
    const PictureBitmap ours(*picture);
    for (PictureFormat format : {PictureFormat::Jpeg, PictureFormat::Png, PictureFormat::Tiff}) {
      ASSERT_TRUE(SaveBitmap(FreeImageFormat(format), ours.Get(), dir + "ours", 0));
      test::WriteTestPicture(picture, dir + "theirs", format);
      EXPECT_EQ(test::FileBytes(dir + "ours"), test::FileBytes(dir + "theirs"))
          << static_cast<int>(format) << ": " << w << " x " << h;
    }
  }
}

// Our JPEG writer against FreeImage's own saving of the same pixels, at its
// default and other qualities, with and without a resolution.
TEST_F(FastPaths, JpegWriterGivesFreeImagesFiles) {
  struct Case {
    int quality;
    std::optional<int32_t> dpi;
  };
  const Case cases[] = {{0, {}}, {1, {}}, {50, 300}, {90, {}}, {100, 96}};
  std::vector<std::pair<int, int>> sizes(std::begin(kSizes), std::end(kSizes));
  sizes.push_back({403, 130});  // wide enough for the library's vector code
  for (auto [w, h] : sizes) {
    const Picture picture = test::Varied(w, h);
    for (const Case& c : cases) {
      WriteOptions options;
      options.save.jpegQuality = c.quality;
      options.dpi = c.dpi;
      ASSERT_TRUE(WritePictureFile(picture, dir + "ours.jpg", PictureFormat::Jpeg, options));
      const Bitmap theirs = test::BitmapOf(picture);
      if (c.dpi) {
        SetImageDpiX(theirs.get(), *c.dpi);
        SetImageDpiY(theirs.get(), *c.dpi);
      }
      ASSERT_TRUE(SaveBitmap(FIF_JPEG, theirs.get(), dir + "theirs.jpg", c.quality));
      EXPECT_EQ(test::FileBytes(dir + "ours.jpg"), test::FileBytes(dir + "theirs.jpg"))
          << "quality " << c.quality << ": " << w << " x " << h;
    }
  }
}

TEST_F(FastPaths, ColourFilesComeFromTheDecoderWithFreeImagesPixels) {
  for (auto [w, h] : kSizes) {
    FIBITMAP* colour = test::BitmapOf(test::Varied(w, h)).release();
    FIBITMAP* rgba = FreeImage_ConvertTo32Bits(colour);
    const std::pair<FIBITMAP*, int> files[] = {
        {colour, FIF_BMP}, {colour, FIF_PNG}, {rgba, FIF_PNG}, {rgba, FIF_TARGA}};
    int n = 0;
    for (auto [bitmap, format] : files) {
      const std::string path = dir + "f" + std::to_string(n++);
      ASSERT_TRUE(SaveBitmap(format, bitmap, path, 0));
      const Picture expected = ImageToPicture(DecodeFile(path, 0)->bitmap.get(), false).value();
      SCOPED_TRACE(testing::Message() << format << ": " << w << " x " << h);
      test::ExpectSamePixels(LoadImageAsPicture(path, 0, {}, {}, false, FILTER_BSPLINE, nullptr).value(),
                             expected);
    }
    FreeImage_Unload(colour);
    FreeImage_Unload(rgba);
  }
}

// Colour JPEGs of every subsampling, progressive or not, are decoded by the
// JPEG library a band at a time in the decoder: the pixels FreeImage's own
// reader gives, the resolution too, and the sizes a band does not divide.
TEST_F(FastPaths, JpegFilesComeFromTheDecoderWithFreeImagesPixels) {
  const int kinds[] = {0, JPEG_SUBSAMPLING_422, JPEG_SUBSAMPLING_444, JPEG_PROGRESSIVE | JPEG_QUALITYSUPERB,
                       JPEG_OPTIMIZE | JPEG_SUBSAMPLING_411};
  std::vector<std::pair<int, int>> sizes(std::begin(kSizes), std::end(kSizes));
  sizes.push_back({130, 131});
  for (auto [w, h] : sizes) {
    const Bitmap colour = test::BitmapOf(test::Varied(w, h));
    SetImageDpiX(colour.get(), 300);
    for (int kind : kinds) {
      const std::string path = dir + "f.jpg";
      ASSERT_TRUE(SaveBitmap(FIF_JPEG, colour.get(), path, kind));
      SCOPED_TRACE(testing::Message() << kind << ": " << w << " x " << h);
      FIBITMAP* theirs = LoadBitmap(FIF_JPEG, path, 0);
      const Picture expected = ImageToPicture(theirs, true).value();
      test::ExpectSamePixels(LoadImageAsPicture(path, 0, {}, {}, false, FILTER_BSPLINE, nullptr).value(),
                             expected);
    }
  }
}

}  // namespace pixmora
