// FitImageB (Module3): brings image B to image A's size before the two are mixed.
#pragma once

#include "session/workspace.h"

namespace pixmora {

inline constexpr const char* kResampleFile = "pgraf.bmp";

// Resamples image B (Pic2) to image A's (Pic1's) size with the Catmull-Rom
// filter, through the working file "pgraf.bmp" of the temporary data folder.
// Any failure (no image B, an unwritable folder, an unreadable file) ends it
// with image B unchanged and a notice through ws.report.
void FitImageB(Workspace& ws);

}  // namespace pixmora
