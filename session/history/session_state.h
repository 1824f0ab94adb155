// What a step of the history restores: the picture of every surface a step
// can change (images A and B, the shape, the pattern, the result and its
// snapshot), each with the surface's size, and the selection. Pictures are shared, not copied:
// a state costs only the pictures that differ from the state before.
#pragma once
#include <array>
#include <optional>

#include "core/picture.h"
#include "session/workspace.h"

namespace pixmora {

struct SurfaceState {
  Picture picture;  // null for a surface without a picture (cleared)
  int width = 0;
  int height = 0;
  bool operator==(const SurfaceState&) const = default;
};

// A state a slot, indexed by Slot, and the selection.
struct SessionState : std::array<SurfaceState, kSlotCount> {
  std::optional<Selection> selection;
};
using ChangedSlots = std::array<bool, kSlotCount>;

SessionState CaptureState(Workspace& ws);
// Puts the state's pictures and selection back where they differ from the
// session's, and the result's preview shows the result again. Answers which surfaces
// changed: when image A did, the caller sizes the planes anew (the window
// does it away from the job, while the user looks at the picture).
ChangedSlots RestoreState(Workspace& ws, const SessionState& state);

}  // namespace pixmora
