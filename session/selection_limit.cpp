#include "session/selection_limit.h"

#include "ops/image/selection_blend.h"

namespace pixmora {

void LimitToSelection(Workspace& ws, const CallContext& call) {
  const PictureSurface& a = ws.Pic1;
  if (!ws.selection || ws.Pic4.Width() != a.Width() || ws.Pic4.Height() != a.Height()) return;
  KeepOutsideSelection(call, *a.ImageBuffer(), ws.Pic4.MutableImage(), *ws.selection);
}

bool DropSelectionOutsideImageA(Workspace& ws) {
  if (!ws.selection || ws.selection->box.Within(ws.Pic1.Width(), ws.Pic1.Height())) return false;
  ws.selection.reset();
  return true;
}

}  // namespace pixmora
