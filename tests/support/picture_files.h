// Test pictures as FreeImage bitmaps and files. The bitmaps are filled one
// pixel at a time through FreeImage's own calls, so that they stand apart
// from the program's row exchange, which the tests hold against them.
#pragma once
#include <optional>
#include <string>

#include "core/picture.h"
#include "imageio/bitmap.h"
#include "imageio/mfreeimage.h"
#include "imageio/picture_format.h"

namespace pixmora::test {

// A 24-bit bitmap with the picture's pixels.
Bitmap BitmapOf(const Picture& picture);
// A 32-bit bitmap with the picture's pixels and alpha (255 where it has none).
Bitmap RgbaBitmapOf(const Picture& picture);
// An 8-bit bitmap of a palette of four colours with the alphas 0, 90, 200
// and 255 (a PNG's tRNS): the pixel at column x of the bottom row has entry
// x mod 4, and each row up starts two entries on.
Bitmap TranslucentPaletteBitmap(int w, int h);

// Writes the picture at path in the format, with FreeImage's own encoder;
// answers path.
std::string WriteTestPicture(const Picture& picture, const std::string& path,
                             PictureFormat format = PictureFormat::Bmp);
// The picture reduced to a palette of 256 colours, as a GIF; answers path.
std::string WriteTestGif(const Picture& picture, const std::string& path);
// A black picture of one bit a pixel as a PNG: a small file that claims as
// many pixels as asked. Answers path.
std::string WriteOneBitPng(const std::string& path, int width, int height);

// A picture file as FreeImage reads it: its size, its depth and its format
// (when one of the program's own).
struct FileFacts {
  unsigned width = 0, height = 0, bpp = 0;
  std::optional<PictureFormat> format;
};
FileFacts ReadFacts(const std::string& path);

// A file's bytes, empty when it cannot be read.
std::string FileBytes(const std::string& path);

}  // namespace pixmora::test
