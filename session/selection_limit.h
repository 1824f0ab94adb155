// The session's selection at work: a command's result kept inside it, and
// the selection given up when image A changes under it.
#pragma once

#include "session/workspace.h"

namespace pixmora {

// With a selection, the result keeps the command's pixels only inside it
// and image A's outside (KeepOutsideSelection). A result of another size
// than image A is left whole.
void LimitToSelection(Workspace& ws, const CallContext& call);

// Drops a selection that no longer lies within image A; answers whether it did.
bool DropSelectionOutsideImageA(Workspace& ws);

}  // namespace pixmora
