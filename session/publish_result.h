// PublishResult: how a command's result becomes the session's result.
#pragma once

#include "session/workspace.h"

namespace pixmora {

inline constexpr const char* kResultFile = "ps.bmp";

// Snapshots Pic4 into imma, saves it as "ps.bmp" in the data folder and shows
// it again from there (Pic4 at full size, Image1 fitted). When the file cannot
// be written the result stays as computed, in Pic4 and Image1, and the
// failure is reported instead of leaving an empty result.
void PublishResult(Workspace& ws);

}  // namespace pixmora
