#include "imageio/picture_files.h"

#include "imageio/mfreeimage.h"

namespace pixmora {

Picture LoadPictureFile(const std::string& path) {
  try {
    return LoadImageAsPicture(path, 0, {}, {}, false, FILTER_BSPLINE, nullptr);
  } catch (const ImageError&) {
    return nullptr;
  }
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
