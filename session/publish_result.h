// MakeResult and PublishResult: how a command makes its result, and how that
// result becomes the session's result.
#pragma once
#include <functional>

#include "session/workspace.h"

namespace pixmora {

inline constexpr const char* kResultFile = "ps.bmp";

// Runs make, which computes a result into Pic4, with a context for it that
// cancel (none: nothing) can stop. A stopped command leaves everything it
// changed as it was: Pic4 (its picture and back colour), image B (which the
// mixing fits to image A's size first) and the random source's position; the
// planes are not put back, since every command fills them anew. Answers
// whether make ran to its end.
bool MakeResult(Workspace& ws, const CancelToken* cancel,
                const std::function<void(const CallContext&)>& make);

// Snapshots Pic4 into imma and shows it as "ps.bmp" would show it (Pic4 at
// full size, Image1 fitted), then keeps it as "ps.bmp" in the data folder:
// at once, or later through ws.keepResultLater. When the file cannot be
// written the result stays as computed and shown, and the failure is
// reported.
void PublishResult(Workspace& ws);

// Writes the result as "ps.bmp" in the data folder, reporting a failure.
void KeepResultFile(const Folders& folders, const Picture& result,
                    const std::function<void(const std::string&)>& report);

}  // namespace pixmora
