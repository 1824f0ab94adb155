// PublishResult: how a command's result becomes the session's result.
#pragma once

#include "session/workspace.h"

namespace pixmora {

inline constexpr const char* kResultFile = "ps.bmp";

// Snapshots Pic4 into imma and shows it as "ps.bmp" would show it (Pic4 at
// full size, Image1 fitted), then keeps it as "ps.bmp" in the data folder:
// at once, or later through ws.keepResultLater. When the file cannot be
// written the result stays as computed and shown, and the failure is
// reported.
void PublishResult(Workspace& ws);
// Its two halves: the result snapshotted and shown; then kept as "ps.bmp"
// (which a burst of Live runs does once, at its end).
void ShowResult(Workspace& ws);
void KeepResult(Workspace& ws);

// Writes the result as "ps.bmp" in the data folder (32-bit, with its alpha,
// when it has transparency), reporting a failure.
void KeepResultFile(const Folders& folders, const Picture& result,
                    const std::function<void(const std::string&)>& report);

}  // namespace pixmora
