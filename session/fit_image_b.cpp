#include "session/fit_image_b.h"

#include "core/file_messages.h"
#include "imageio/write_picture.h"

namespace pixmora {

void FitImageB(Workspace& ws) {
  if (ws.Pic2.Width() == 0 || ws.Pic2.Height() == 0) {
    ws.report("There is no image B to mix yet.");
    return;
  }
  const std::string path = ws.folders.work + kResampleFile;
  WriteOptions size;
  size.width = ws.Pic1.Width();
  size.height = ws.Pic1.Height();
  size.filter = ResampleFilter::CatmullRom;
  const std::string why = WritePictureFile(ws.Pic2.Image(), path, PictureFormat::Bmp, size);
  if (!why.empty()) {
    ws.report(CannotWrite(path, why) + "; image B is mixed at its own size");
    return;
  }
  Picture resampled = ws.platformLoader(path);
  if (!resampled) {
    ws.report(CannotRead("", path, "") + "; image B is mixed at its own size");
    return;
  }
  ws.Pic2.SetPicture(std::move(resampled));
  ws.Pic2.SetPicture(ws.Pic2.Image());
}

}  // namespace pixmora
