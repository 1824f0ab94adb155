#include "tests/support/picture_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace pixmora::test {

Bitmap BitmapOf(const Picture& picture) {
  const int w = picture->Width(), h = picture->Height();
  Bitmap bitmap(FreeImage_Allocate(w, h, 24, 0, 0, 0));
  for (int x = 0; x < w; ++x)
    for (int y = 0; y < h; ++y) {
      const Channels c = SplitColour(picture->At(x, y));
      RGBQUAD q{static_cast<BYTE>(c.b), static_cast<BYTE>(c.g), static_cast<BYTE>(c.r), 0};
      FreeImage_SetPixelColor(bitmap.get(), x, h - 1 - y, &q);  // FreeImage's rows run bottom-up
    }
  return bitmap;
}

std::string WriteTestPicture(const Picture& picture, const std::string& path, int format) {
  EXPECT_TRUE(SaveBitmap(format, BitmapOf(picture).get(), path, 0)) << path;
  return path;
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace pixmora::test
