#include "session/fit_image_b.h"

#include "core/file_messages.h"
#include "imageio/resample.h"
#include "imageio/write_picture.h"

namespace pixmora {

namespace {

constexpr const char* kAtOwnSize = "; image B is mixed at its own size";

Picture ResampledThroughFile(Workspace& ws) {
  const std::string path = ws.folders.work + kResampleFile;
  WriteOptions size;
  size.width = ws.Pic1.Width();
  size.height = ws.Pic1.Height();
  size.filter = ResampleFilter::CatmullRom;
  const std::string why = WritePictureFile(ws.Pic2.Image(), path, PictureFormat::Bmp, size);
  if (!why.empty()) {
    ws.report(CannotWrite(path, why) + kAtOwnSize);
    return nullptr;
  }
  Picture resampled = ws.platformLoader(path);
  if (!resampled) ws.report(CannotRead("", path, "") + kAtOwnSize);
  return resampled;
}

// The same pixels as the file would give: it is a lossless 24-bit BMP.
Picture ResampledInMemory(Workspace& ws) {
  Picture resampled = ResamplePicture(ws.Pic2.Image(), ws.Pic1.Width(), ws.Pic1.Height(),
                                      ResampleFilter::CatmullRom);
  if (!resampled) ws.report(std::string("not enough memory to resample image B") + kAtOwnSize);
  return resampled;
}

}  // namespace

void FitImageB(Workspace& ws) {
  if (ws.Pic2.Width() == 0 || ws.Pic2.Height() == 0) {
    ws.report("There is no image B to mix yet.");
    return;
  }
  Picture resampled = ws.folders.work.empty() ? ResampledInMemory(ws) : ResampledThroughFile(ws);
  if (!resampled) return;
  ws.Pic2.SetPicture(std::move(resampled));
  ws.Pic2.SetPicture(ws.Pic2.Image());
}

}  // namespace pixmora
