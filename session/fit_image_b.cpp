#include "session/fit_image_b.h"

#include "imageio/resample.h"
#include "imageio/write_picture.h"

namespace pixmora {

namespace {

constexpr const char* kAtOwnSize = "; image B is mixed at its own size";

// The colours go through "pgraf.bmp", 24-bit as ever: the mixing reads them
// only. Image B's alpha, resampled alike, comes beside them, so that image B
// still shows its transparency.
Result<Picture> ResampledThroughFile(Workspace& ws) {
  const std::string path = ws.folders.work + kResampleFile;
  WriteOptions size;
  size.width = ws.Pic1.Width();
  size.height = ws.Pic1.Height();
  size.filter = ResampleFilter::CatmullRom;
  if (Status written = WritePictureFile(ws.Pic2.Image(), path, PictureFormat::Bmp, size); !written)
    return std::unexpected(written.error());
  Result<Alpha> alpha = ResampledAlpha(ws.Pic2.Image()->GetAlpha(), size.width, size.height, size.filter);
  if (!alpha) return std::unexpected(alpha.error());
  if (Picture resampled = ws.platformLoader(path)) return WithAlpha(std::move(resampled), std::move(*alpha));
  return std::unexpected(CannotRead(path, "it was written but does not read back"));
}

// The same pixels as the file would give: it is a lossless 24-bit BMP.
Result<Picture> ResampledInMemory(Workspace& ws) {
  Result<Picture> resampled =
      ResamplePicture(ws.Pic2.Image(), ws.Pic1.Width(), ws.Pic1.Height(), ResampleFilter::CatmullRom);
  if (!resampled) resampled.error().role = "image B";
  return resampled;
}

}  // namespace

void FitImageB(Workspace& ws) {
  if (ws.Pic2.Width() == 0 || ws.Pic2.Height() == 0) {
    ws.report("There is no image B to mix yet.");
    return;
  }
  Result<Picture> resampled = ws.folders.work.empty() ? ResampledInMemory(ws) : ResampledThroughFile(ws);
  if (!resampled) {
    ws.report(resampled.error().Message() + kAtOwnSize);
    return;
  }
  ws.Pic2.SetPicture(std::move(*resampled));
  ws.Pic2.SetPicture(ws.Pic2.Image());
}

}  // namespace pixmora
