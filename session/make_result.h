// MakeResult: how a command computes its result so that a cancel leaves the
// session as it was.
#pragma once
#include <functional>

#include "session/workspace.h"

namespace pixmora {

// Runs make, which computes a result into Pic4, with a context for it that
// cancel (none: nothing) can stop. A stopped command leaves everything it
// changed as it was: Pic4 (its picture and back colour), image B (which the
// mixing fits to image A's size first) and the random source's position; the
// planes are not put back, since every command fills them anew. Answers
// whether make ran to its end.
bool MakeResult(Workspace& ws, const CancelToken* cancel,
                const std::function<void(const CallContext&)>& make);

}  // namespace pixmora
