#include "imageio/picture_files.h"

#include <filesystem>

#include "imageio/mfreeimage.h"

namespace pixmora {

Picture LoadPictureFile(const std::string& path) {
  try {
    return LoadImageAsPicture(path, 0, {}, {}, false, FILTER_BSPLINE, nullptr);
  } catch (const ImageError&) {
    return nullptr;
  }
}

Picture ReadChosenPicture(const std::string& path, std::string& why) {
  try {
    if (Picture picture = LoadImageAsPicture(path, 0, {}, {}, true, FILTER_BSPLINE, nullptr))
      return picture;
  } catch (const ImageError& e) {
    why = e.Summary();
    return nullptr;
  }
  std::error_code ec;
  why = std::filesystem::exists(path, ec) ? "not a picture" : "no such file";
  return nullptr;
}

bool SavePictureAsBmp(const Picture& picture, const std::string& path, std::string* error) {
  PictureSurface holder;
  holder.SetPicture(picture);
  FIBITMAP* bitmap = ImageFromDeviceContext(holder);
  if (!bitmap) {
    if (error) *error = "the picture is empty";
    return false;
  }
  const bool saved = SaveBitmap(kFormatBmp, bitmap, path, 0);
  FreeImage_Unload(bitmap);
  if (!saved && error) *error = LastFileLayerMessage();
  return saved;
}

}  // namespace pixmora
