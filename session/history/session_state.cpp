#include "session/history/session_state.h"

#include "core/show_fitted.h"

namespace pixmora {

namespace {

PictureSurface& SurfaceOf(Workspace& ws, StateSurface which) {
  switch (which) {
    case StateSurface::ImageA: return ws.Pic1;
    case StateSurface::ImageB: return ws.Pic2;
    case StateSurface::Shape: return ws.Pic3;
    case StateSurface::Pattern: return ws.PatPic;
    case StateSurface::Result: return ws.Pic4;
    case StateSurface::Snapshot: return ws.imma;
    case StateSurface::Count: break;
  }
  return ws.Pic1;
}

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
    const PictureSurface& s = SurfaceOf(ws, static_cast<StateSurface>(i));
    state[i] = {s.GetPicture(), s.Width(), s.Height()};
  }
  return state;
}

std::array<bool, static_cast<size_t>(StateSurface::Count)> RestoreState(Workspace& ws,
                                                                       const SessionState& state) {
  const SessionState now = CaptureState(ws);
  std::array<bool, static_cast<size_t>(StateSurface::Count)> changed{};
  for (size_t i = 0; i < state.size(); ++i) {
    changed[i] = !(state[i] == now[i]);
    if (changed[i]) Restore(SurfaceOf(ws, static_cast<StateSurface>(i)), state[i]);
  }
  const Picture& result = state[static_cast<size_t>(StateSurface::Result)].picture;
  if (!changed[static_cast<size_t>(StateSurface::Result)]) return changed;
  if (result) ShowFittedPicture(result, ws.Pic4, ws.Image1);
  else ws.Image1.SetPicture(nullptr);
  return changed;
}

}  // namespace pixmora
