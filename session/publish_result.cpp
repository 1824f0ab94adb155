#include "session/publish_result.h"

#include "core/file_messages.h"
#include "imageio/write_picture.h"

namespace pixmora {

void PublishResult(Workspace& ws) {
  ws.imma.SetPicture(ws.Pic4.Image());
  const Picture result = ws.imma.GetPicture();
  // A 24-bit BMP holds every colour exactly: reading "ps.bmp" back would give
  // these very pixels, so they are shown as ShowFitted would show the file,
  // and need not wait for it.
  if (result->Count() > 0) ShowFittedPicture(result, ws.Pic4, ws.Image1);
  else ws.Image1.Cls();
  if (!ws.keepResultFile) return;
  if (ws.keepResultLater) ws.keepResultLater(result);
  else KeepResultFile(ws.folders, result, ws.report);
}

void KeepResultFile(const Folders& folders, const Picture& result,
                    const std::function<void(const std::string&)>& report) {
  // Without a data folder the file would land in the current folder.
  if (folders.data.empty()) {
    report(CannotWrite(kResultFile, "there is no data folder"));
    return;
  }
  const std::string path = folders.data + kResultFile;
  const std::string error = WritePictureFile(result, path, PictureFormat::Bmp);
  if (!error.empty()) report(CannotWrite(path, error));
}

}  // namespace pixmora
