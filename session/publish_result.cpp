#include "session/publish_result.h"

#include "imageio/picture_files.h"

namespace pixmora {

void PublishResult(Workspace& ws) {
  ShowResult(ws);
  KeepResult(ws);
}

void ShowResult(Workspace& ws) {
  ws.imma.SetPicture(ws.Pic4.Image());
  const Picture result = ws.imma.GetPicture();
  if (ws.resultMade && result && result->Count() > 0) ws.resultMade(result);
  // A 24-bit BMP holds every colour exactly: reading "ps.bmp" back would give
  // these very pixels, so they are shown as ShowFitted would show the file,
  // and need not wait for it.
  if (result->Count() > 0) ShowFittedPicture(result, ws.Pic4, ws.Image1);
  else ws.Image1.Cls();
}

void KeepResult(Workspace& ws) {
  if (!ws.keepResultFile) return;
  const Picture result = ws.imma.GetPicture();
  if (ws.keepResultLater) ws.keepResultLater(result);
  else KeepResultFile(ws.folders, result, ws.report);
}

void KeepResultFile(const Folders& folders, const Picture& result,
                    const std::function<void(const std::string&)>& report) {
  // Without a data folder the file would land in the current folder.
  if (folders.data.empty()) {
    report(CannotWrite(kResultFile, "there is no data folder").Message());
    return;
  }
  // A result with transparency keeps it, in a 32-bit BMP.
  if (Status written = SavePictureAsBmp(result, folders.data + kResultFile, true); !written)
    report(written.error().Message());
}

}  // namespace pixmora
