// The size a file claims is held to what its bytes can hold: pictures of one
// flat colour, packed as tightly as each format's writer packs them, open;
// the same files cut short are damaged.
#include <gtest/gtest.h>

#include <filesystem>

#include "imageio/bitmap.h"
#include "imageio/claimed_size.h"
#include "imageio/held_pixels.h"
#include "imageio/picture_files.h"
#include "tests/support/test_pictures.h"

namespace pixmora {

namespace {

// Empty when the file holds what it claims; otherwise why not.
std::string HoldingProblemOf(const std::string& path) {
  const std::optional<Claim> claim = ClaimedPicture(path, FreeImage_GetFileType(path.c_str(), 0));
  if (!claim) return "no size claimed";
  const Status held = CheckHeld(path, *claim);
  return held ? "" : held.error().why;
}

// A black picture of that depth: grey levels at 8 bits, two colours at 1.
Bitmap Flat(int width, int height, int bitsPerPixel) {
  Bitmap colour(FreeImage_Allocate(width, height, 24));
  if (bitsPerPixel == 8) return Bitmap(FreeImage_ConvertToGreyscale(colour.get()));
  if (bitsPerPixel == 1) return Bitmap(FreeImage_Threshold(colour.get(), 128));
  return colour;
}

}  // namespace

TEST(HeldPixels, FlatPicturesPackedAsTightlyAsTheirWritersCanAreHeld) {
  test::ScratchFolder s;
  const struct {
    const char* name;
    int format, bitsPerPixel, flags, width, height;
  } files[] = {
      // a 24-megapixel photograph of one colour as PNG and JPEG, packed tightest
      {"flat.png", FIF_PNG, 24, 0, 6000, 4000},
      {"flat.jpg", FIF_JPEG, 24, 0, 6000, 4000},
      {"one-bit.png", FIF_PNG, 1, 0, 6000, 4000},
      {"grey.jpg", FIF_JPEG, 8, JPEG_PROGRESSIVE | JPEG_OPTIMIZE, 6000, 4000},
      // other ratios reach their steady state in a few megapixels
      {"flat.gif", FIF_GIF, 8, 0, 2000, 1500},
      {"lzw.tif", FIF_TIFF, 8, TIFF_LZW, 2000, 1500},
      {"deflate.tif", FIF_TIFF, 24, TIFF_DEFLATE, 2000, 1500},
      // run lengths are counted exactly, whatever the size
      {"packbits.tif", FIF_TIFF, 24, TIFF_PACKBITS, 600, 400},
      {"rle.tga", FIF_TARGA, 24, TARGA_SAVE_RLE, 600, 400},
      {"rle.bmp", FIF_BMP, 8, BMP_SAVE_RLE, 600, 400},
  };
  for (const auto& f : files) {
    const std::string path = s.dir + f.name;
    const Bitmap flat = Flat(f.width, f.height, f.bitsPerPixel);
    ASSERT_TRUE(FreeImage_Save(static_cast<FREE_IMAGE_FORMAT>(f.format), flat.get(), path.c_str(), f.flags))
        << f.name;
    EXPECT_EQ(HoldingProblemOf(path), "") << f.name;
  }
  // and the flat 24-megapixel photographs open, as the window opens them
  for (const char* name : {"flat.png", "flat.jpg"}) {
    const Result<Picture> picture = ReadChosenPicture(s.dir + name);
    ASSERT_TRUE(picture) << picture.error().Message();
    EXPECT_EQ((*picture)->Width(), 6000);
  }
}

TEST(HeldPixels, AFileCutShortCannotHoldItsPicture) {
  test::ScratchFolder s;
  const Bitmap flat = Flat(600, 400, 24);
  for (const auto& [name, format, flags] :
       {std::tuple{"raw.bmp", FIF_BMP, 0}, {"rle.tga", FIF_TARGA, TARGA_SAVE_RLE}, {"raw.ppm", FIF_PPMRAW, 0}}) {
    const std::string path = s.dir + name;
    ASSERT_TRUE(FreeImage_Save(static_cast<FREE_IMAGE_FORMAT>(format), flat.get(), path.c_str(), flags));
    std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2);
    const std::string problem = HoldingProblemOf(path);
    EXPECT_NE(problem.find("claims 600 x 400 pixels, more than its " +
                           std::to_string(std::filesystem::file_size(path)) + " bytes can hold"),
              std::string::npos)
        << name << ": " << problem;
  }
}

}  // namespace pixmora
