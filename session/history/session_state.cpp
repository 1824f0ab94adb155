#include "session/history/session_state.h"

#include "core/show_fitted.h"

namespace pixmora {

namespace {

void Restore(PictureSurface& surface, const SurfaceState& state) {
  if (state.picture) {
    surface.SetPicture(state.picture);
    return;
  }
  surface.SetSize(state.width, state.height);
  surface.SetPicture(nullptr);
}

}  // namespace

SessionState CaptureState(Workspace& ws) {
  SessionState state;
  for (size_t i = 0; i < state.size(); ++i) {
    const PictureSurface& s = ws.Surface(kSlots[i]);
    state[i] = {s.GetPicture(), s.Width(), s.Height()};
  }
  state.selection = ws.selection;
  return state;
}

ChangedSlots RestoreState(Workspace& ws, const SessionState& state) {
  const SessionState now = CaptureState(ws);
  ChangedSlots changed{};
  for (size_t i = 0; i < state.size(); ++i) {
    changed[i] = !(state[i] == now[i]);
    if (changed[i]) Restore(ws.Surface(kSlots[i]), state[i]);
  }
  ws.selection = state.selection;
  const Picture& result = state[static_cast<size_t>(Slot::Result)].picture;
  if (!changed[static_cast<size_t>(Slot::Result)]) return changed;
  if (result) ShowFittedPicture(result, ws.Pic4, ws.Image1);
  else ws.Image1.SetPicture(nullptr);
  return changed;
}

}  // namespace pixmora
