#include "imageio/picture_files.h"

#include <cerrno>

#include "imageio/atomic_file.h"
#include "imageio/bmp_writer.h"
#include "imageio/decoder_process.h"
#include "imageio/mfreeimage.h"

namespace pixmora {

Picture LoadPictureFile(const std::string& path) { return ReadChosenPicture(path).value_or(nullptr); }

Result<Picture> ReadChosenPicture(const std::string& path, std::string* note) {
  return LoadImageAsPicture(path, 0, {}, {}, true, FILTER_BSPLINE, nullptr, note);
}

Result<Picture> ReadChosenPictureToRows(const std::string& path, RowReceiver& receiver, std::string* note) {
  return DecodedPicture(DecodeInChildToRows(path, receiver), path, nullptr, note);
}

Status SavePictureAsBmp(const Picture& picture, const std::string& path, bool keepAlpha) {
  if (!picture || picture->Count() == 0) return std::unexpected(CannotWrite(path, "the picture is empty"));
  AtomicFile file(path);
  errno = 0;
  const bool written = file.Stream() && WriteBmp(*picture, keepAlpha && picture->GetAlpha(), file.Stream());
  return file.Commit(written, errno);
}

}  // namespace pixmora
