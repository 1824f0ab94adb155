#include "session/dispatch.h"

#include "core/load_planes.h"
#include "session/selection_limit.h"

namespace pixmora {

namespace {

// The routines compute colours; the result's transparency is image A's, the
// same at every pixel whatever the colours came from (a cleared background,
// image B, the pattern, the shape).
void TakeImageAAlpha(Workspace& ws) {
  const Alpha& alpha = ws.Pic1.Image()->GetAlpha();
  if (!alpha || (alpha->Width() == ws.Pic4.Width() && alpha->Height() == ws.Pic4.Height()))
    ws.Pic4.SetAlpha(alpha);
}

void RunEntry(Workspace& ws, const CallContext& call, Menu menu, int16_t index) {
  // The other menus clear the result first; LoadPlanes replaces it whole at
  // once, so that clear cannot be seen and is not worth a pass over the pixels.
  const auto w = static_cast<int16_t>(ws.Pic1.Width());
  const auto h = static_cast<int16_t>(ws.Pic1.Height());
  LoadPlanes(ws.m, call, ws.Pic1, ws.Pic4, 0, 0, w, h);
  // The effects start from a cleared result of image A's size.
  if (menu == Menu::Effects) ws.Pic4.SetPicture(nullptr);
  const CatalogueEntry* entry = FindEntry(menu, index);
  if (entry && entry->run) {
    CommandContext context{ws, ws.values, call};
    entry->run(context);
    if (entry->run != BlankResult) TakeImageAAlpha(ws);
  }
  LimitToSelection(ws, call);
}

}  // namespace

bool RunMenuRoutine(Workspace& ws, Menu menu, int16_t index, const CancelToken* cancel) {
  return MakeResult(ws, cancel,
                    [&ws, menu, index](const CallContext& call) { RunEntry(ws, call, menu, index); });
}

bool RunMenuCommand(Workspace& ws, Menu menu, int16_t index, const CancelToken* cancel) {
  if (!RunMenuRoutine(ws, menu, index, cancel)) return false;
  PublishResult(ws);
  return true;
}

}  // namespace pixmora
