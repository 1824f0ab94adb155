#include "session/fit_image_b.h"

#include <exception>

#include "imageio/mfreeimage.h"

namespace pixmora {

namespace {

// Writes image B at image A's size into path; false, with why, when nothing was written.
bool SaveResampled(const Workspace& ws, const std::string& path, std::string& why) {
  FIBITMAP* bitmap = ImageFromDeviceContext(ws.Pic2);
  bool saved = false;
  try {
    saved = SaveImageFile(bitmap, path, kFormatBmp, 1, 24, SizeArg::Whole(ws.Pic1.Width()),
                          SizeArg::Whole(ws.Pic1.Height()), true, FILTER_CATMULLROM, false);
    if (!saved) why = LastFileLayerMessage();
  } catch (const ImageError& e) {
    why = e.Summary();
  }
  if (bitmap) FreeImage_Unload(bitmap);
  return saved;
}

}  // namespace

void FitImageB(Workspace& ws) {
  if (ws.Pic2.Width() == 0 || ws.Pic2.Height() == 0) {
    ws.report("There is no image B to mix yet.");
    return;
  }
  const std::string path = ws.folders.temp + kResampleFile;
  try {
    std::string why;
    if (!SaveResampled(ws, path, why)) {
      ws.report("cannot write " + path + ": " + why + "; image B is mixed at its own size");
      return;
    }
    Picture resampled = ws.platformLoader(path);
    if (!resampled) {
      ws.report("cannot read " + path + "; image B is mixed at its own size");
      return;
    }
    ws.Pic2.SetPicture(std::move(resampled));
    ws.Pic2.SetPicture(ws.Pic2.Image());
  } catch (const std::exception&) {
    // Image B stays as it was; the mixing goes on over its own size.
  }
}

}  // namespace pixmora
