// Test pictures as FreeImage bitmaps and files. The bitmaps are filled one
// pixel at a time through FreeImage's own calls, so that they stand apart
// from the program's row exchange, which the tests hold against them.
#pragma once
#include <string>

#include "core/picture.h"
#include "imageio/bitmap.h"
#include "imageio/mfreeimage.h"

namespace pixmora::test {

// A 24-bit bitmap with the picture's pixels.
Bitmap BitmapOf(const Picture& picture);

// Writes the picture at path in a FreeImage format; answers path.
std::string WriteTestPicture(const Picture& picture, const std::string& path,
                             int format = kFormatBmp);

// A file's bytes, empty when it cannot be read.
std::string FileBytes(const std::string& path);

}  // namespace pixmora::test
