#include "ops/mixing/fit_image_b.h"

#include <exception>

#include "imageio/mfreeimage.h"

namespace pixmora {

namespace {

// Writes image B at image A's size into path; false when nothing was written.
bool SaveResampled(const Workspace& ws, const std::string& path) {
  FIBITMAP* bitmap = ImageFromDeviceContext(ws.Pic2);
  bool saved = false;
  try {
    saved = SaveImageFile(bitmap, path, kFormatBmp, 1, 24, SizeArg::Whole(ws.Pic1.Width()),
                          SizeArg::Whole(ws.Pic1.Height()), true, FILTER_CATMULLROM, false);
  } catch (const ImageError&) {
    saved = false;
  }
  if (bitmap) FreeImage_Unload(bitmap);
  return saved;
}

}  // namespace

void FitImageB(Workspace& ws) {
  try {
    const std::string path = ws.folders.temp + kResampleFile;
    if (!SaveResampled(ws, path)) return;
    Picture resampled = ws.platformLoader(path);
    if (!resampled) return;
    ws.Pic2.SetPicture(std::move(resampled));
    ws.Pic2.SetPicture(ws.Pic2.Image());
  } catch (const std::exception&) {
    // Image B stays as it was; the mixing goes on over its own size.
  }
}

}  // namespace pixmora
