#include "app/preview_commands.h"

#include <QPointer>
#include <memory>

#include "app/form1.h"
#include "session/captions/control_names.h"
#include "core/file_messages.h"
#include "imageio/mfreeimage.h"
#include "imageio/write_picture.h"
#include "windows/preview_window.h"

namespace pixmora::app {

namespace {

// Writes the surface to the preview file and shows the one preview window,
// created on first use.
void ShowInPreview(Form1& window, const PictureSurface& surface,
                   const std::shared_ptr<QPointer<windows::Form2>>& preview) {
  const std::string file = window.Session().folders.temp + "passo$$$.bmp";
  const Picture picture = surface.Image();
  if (picture->Count() == 0) {
    window.Report(QStringLiteral("There is no picture to preview yet."));
    return;
  }
  const std::string why = WritePictureFile(picture, file, kFormatBmp);
  if (!why.empty()) {
    window.Report(QString::fromStdString(CannotWrite(file, why)));
    return;
  }
  if (!*preview) *preview = new windows::Form2(file, &window);
  (*preview)->show();
  (*preview)->raise();
}

}  // namespace

void RegisterPreviewCommands(Form1& window) {
  auto preview = std::make_shared<QPointer<windows::Form2>>();
  Workspace& ws = window.Session();
  const PictureSurface* shown[] = {&ws.Pic1, &ws.Pic2, &ws.imma, &ws.PatPic, &ws.Pic3};
  for (int i = 0; i < 5; ++i)
    window.SetCommand(QString::fromStdString(IndexedName("Image5", i)),
                      [&window, surface = shown[i], preview] {
                        ShowInPreview(window, *surface, preview);
                      });
}

}  // namespace pixmora::app
