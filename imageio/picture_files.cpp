#include "imageio/picture_files.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/paths_and_text.h"
#include "imageio/atomic_file.h"
#include "imageio/bmp_writer.h"
#include "imageio/mfreeimage.h"

namespace pixmora {

Picture LoadPictureFile(const std::string& path) {
  try {
    return LoadImageAsPicture(path, 0, {}, {}, false, FILTER_BSPLINE, nullptr);
  } catch (const ImageError&) {
    return nullptr;
  }
}

Picture ReadChosenPicture(const std::string& path, std::string& why, std::string* note) {
  if (IsFolder(path)) {
    why = "it is a folder, not a picture file";
    return nullptr;
  }
  try {
    if (Picture picture = LoadImageAsPicture(path, 0, {}, {}, true, FILTER_BSPLINE, nullptr, note))
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
  if (!picture || picture->Count() == 0) {
    if (error) *error = "the picture is empty";
    return false;
  }
  AtomicFile file(path);
  const bool opened = file.Stream() != nullptr;
  errno = 0;
  const bool written = opened && WriteBmp24(*picture, file.Stream());
  const int writeError = errno ? errno : EIO;
  if (file.Commit(written)) return true;
  if (error) *error = opened && !written ? std::strerror(writeError) : file.Error();
  return false;
}

}  // namespace pixmora
