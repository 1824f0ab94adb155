#include "tests/support/picture_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "imageio/freeimage_values.h"

namespace pixmora::test {

namespace {

std::string WriteBitmap(const Bitmap& bitmap, const std::string& path, int format) {
  EXPECT_TRUE(SaveBitmap(format, bitmap.get(), path, 0)) << path;
  return path;
}

Bitmap BitmapWithBits(const Picture& picture, int bits) {
  const int w = picture->Width(), h = picture->Height();
  Bitmap bitmap(FreeImage_Allocate(w, h, bits, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK));
  for (int x = 0; x < w; ++x)
    for (int y = 0; y < h; ++y) {
      const Channels c = SplitColour(picture->At(x, y));
      RGBQUAD q{static_cast<BYTE>(c.b), static_cast<BYTE>(c.g), static_cast<BYTE>(c.r), picture->AlphaAt(x, y)};
      FreeImage_SetPixelColor(bitmap.get(), x, h - 1 - y, &q);  // FreeImage's rows run bottom-up
    }
  return bitmap;
}

}  // namespace

Bitmap BitmapOf(const Picture& picture) { return BitmapWithBits(picture, 24); }

Bitmap RgbaBitmapOf(const Picture& picture) { return BitmapWithBits(picture, 32); }

Bitmap TranslucentPaletteBitmap(int w, int h) {
  Bitmap b(FreeImage_Allocate(w, h, 8));
  RGBQUAD* palette = FreeImage_GetPalette(b.get());
  BYTE alphas[4] = {0, 90, 200, 255};
  for (BYTE i = 0; i < 4; ++i) palette[i] = {static_cast<BYTE>(i * 60), 20, static_cast<BYTE>(250 - i), 0};
  FreeImage_SetTransparencyTable(b.get(), alphas, 4);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) FreeImage_GetScanLine(b.get(), y)[x] = static_cast<BYTE>((x + 2 * y) % 4);
  return b;
}

std::string WriteTestPicture(const Picture& picture, const std::string& path, PictureFormat format) {
  return WriteBitmap(BitmapOf(picture), path, FreeImageFormat(format));
}

std::string WriteTestGif(const Picture& picture, const std::string& path) {
  return WriteBitmap(Bitmap(FreeImage_ColorQuantize(BitmapOf(picture).get(), FIQ_WUQUANT)), path, FIF_GIF);
}

std::string WriteOneBitPng(const std::string& path, int width, int height) {
  return WriteBitmap(Bitmap(FreeImage_Allocate(width, height, 1)), path, FIF_PNG);
}

FileFacts ReadFacts(const std::string& path) {
  const FREE_IMAGE_FORMAT type = FreeImage_GetFileType(path.c_str());
  const Bitmap bitmap(FreeImage_Load(type, path.c_str(), 0));
  if (!bitmap) return {};
  FileFacts facts{FreeImage_GetWidth(bitmap.get()), FreeImage_GetHeight(bitmap.get()),
                  FreeImage_GetBPP(bitmap.get()), std::nullopt};
  for (PictureFormat format : {PictureFormat::Bmp, PictureFormat::Jpeg, PictureFormat::Png, PictureFormat::Tiff})
    if (FreeImageFormat(format) == type) facts.format = format;
  return facts;
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace pixmora::test
