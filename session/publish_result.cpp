#include "session/publish_result.h"

#include "core/file_messages.h"
#include "imageio/mfreeimage.h"
#include "imageio/write_picture.h"

namespace pixmora {

void PublishResult(Workspace& ws) {
  ws.imma.SetPicture(ws.Pic4.Image());
  const Picture& result = ws.imma.GetPicture();
  if (!ws.keepResultFile) {
    ShowFittedPicture(result, ws.Pic4, ws.Image1);
    return;
  }
  const std::string path = ws.folders.data + kResultFile;
  const std::string error = WritePictureFile(result, path, kFormatBmp);
  if (!error.empty()) {
    ws.report(CannotWrite(path, error));
    ws.Image1.Cls();
    if (ws.Pic4.Width() > 0 && ws.Pic4.Height() > 0) PaintFitted(result, ws.Image1);
    return;
  }
  // A 24-bit BMP holds every colour exactly: reading the file back would give
  // these very pixels, so they are shown as ShowFitted would show the file.
  ShowFittedPicture(result, ws.Pic4, ws.Image1);
}

}  // namespace pixmora
