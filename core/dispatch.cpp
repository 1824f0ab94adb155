#include "core/dispatch.h"

#include "core/load_planes.h"
#include "imageio/picture_files.h"

namespace pixmora {

void RunMenuRoutine(Workspace& ws, Menu menu, int16_t index) {
  // The other menus clear the result first; LoadPlanes replaces it whole at
  // once, so that clear cannot be seen and is not worth a pass over the pixels.
  const auto w = static_cast<int16_t>(ws.Pic1.Width());
  const auto h = static_cast<int16_t>(ws.Pic1.Height());
  LoadPlanes(ws.m, ws.Pic1, ws.Pic4, 0, 0, w, h);
  // The effects start from a cleared result of image A's size.
  if (menu == Menu::Effects) ws.Pic4.SetPicture(nullptr);
  const CatalogueEntry* entry = FindEntry(menu, index);
  if (entry && entry->run) {
    CommandContext context{ws, ws.values};
    entry->run(context);
  }
}

void RunMenuCommand(Workspace& ws, Menu menu, int16_t index) {
  RunMenuRoutine(ws, menu, index);
  PublishResult(ws);
}

void mnuCol_Click(Workspace& ws, int16_t index) { RunMenuCommand(ws, Menu::Color, index); }
void mnuMix_Click(Workspace& ws, int16_t index) { RunMenuCommand(ws, Menu::Mix, index); }
void mnuFil_Click(Workspace& ws, int16_t index) { RunMenuCommand(ws, Menu::Filters, index); }
void mnuSFil_Click(Workspace& ws, int16_t index) { RunMenuCommand(ws, Menu::Special, index); }
void mnuEff_Click(Workspace& ws, int16_t index) { RunMenuCommand(ws, Menu::Effects, index); }

void PublishResult(Workspace& ws) {
  ws.imma.SetPicture(ws.Pic4.Image());
  const Picture& result = ws.imma.GetPicture();
  const std::string path = ws.folders.data + kResultFile;
  std::string error;
  if (!SavePictureAsBmp(result, path, &error)) {
    ws.report("cannot write " + path + ": " + error);
    ws.Image1.Cls();
    if (ws.Pic4.Width() > 0 && ws.Pic4.Height() > 0) PaintFitted(result, ws.Image1);
    return;
  }
  // A 24-bit BMP holds every colour exactly: reading the file back would give
  // these very pixels, so they are shown as ShowFitted would show the file.
  ShowFittedPicture(result, ws.Pic4, ws.Image1);
}

}  // namespace pixmora
