#include "app/preview_commands.h"

#include <QPointer>
#include <memory>

#include "core/file_messages.h"
#include "imageio/mfreeimage.h"
#include "imageio/write_picture.h"
#include "windows/preview_window.h"

namespace pixmora::app {

namespace {

// Writes the surface to the preview file and shows the one preview window,
// created on first use.
void ShowInPreview(CommandHost& host, const PictureSurface& surface,
                   const std::shared_ptr<QPointer<windows::Form2>>& preview) {
  const std::string file = host.Session().folders.work + "passo$$$.bmp";
  const Picture picture = surface.Image();
  if (picture->Count() == 0) {
    host.Report(QStringLiteral("There is no picture to preview yet."));
    return;
  }
  const std::string why = WritePictureFile(picture, file, kFormatBmp);
  if (!why.empty()) {
    host.Report(QString::fromStdString(CannotWrite(file, why)));
    return;
  }
  if (!*preview) *preview = new windows::Form2(file, host.Owner());
  (*preview)->show();
  (*preview)->raise();
}

}  // namespace

void RegisterPreviewCommands(CommandHost& host) {
  auto preview = std::make_shared<QPointer<windows::Form2>>();
  Workspace& ws = host.Session();
  const std::pair<WindowCommand, const PictureSurface*> shown[] = {
      {WindowCommand::PreviewImageA, &ws.Pic1},    {WindowCommand::PreviewImageB, &ws.Pic2},
      {WindowCommand::PreviewResult, &ws.imma},    {WindowCommand::PreviewPattern, &ws.PatPic},
      {WindowCommand::PreviewShape, &ws.Pic3}};
  for (const auto& [command, surface] : shown)
    host.SetCommand(command, [&host, surface = surface, preview] {
      ShowInPreview(host, *surface, preview);
    });
}

}  // namespace pixmora::app
