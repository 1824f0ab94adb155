#include "app/preview_commands.h"

#include <QPointer>
#include <memory>

#include "app/form1.h"
#include "session/captions/control_names.h"
#include "imageio/mfreeimage.h"
#include "windows/preview_window.h"

namespace pixmora::app {

namespace {

// Writes the surface to the preview file and shows the one preview window,
// created on first use.
void ShowInPreview(Form1& window, const PictureSurface& surface,
                   const std::shared_ptr<QPointer<windows::Form2>>& preview) {
  const std::string file = window.Session().folders.temp + "passo$$$.bmp";
  FIBITMAP* bitmap = ImageFromDeviceContext(surface);
  if (!bitmap) {
    window.Report(QStringLiteral("There is no picture to preview yet."));
    return;
  }
  const bool saved = SaveBitmap(kFormatBmp, bitmap, file, 0);
  FreeImage_Unload(bitmap);
  if (!saved) {
    window.Report(QStringLiteral("cannot write %1: %2")
                      .arg(QString::fromStdString(file),
                           QString::fromStdString(LastFileLayerMessage())));
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
