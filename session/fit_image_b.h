// FitImageB (Module3): brings image B to image A's size before the two are mixed.
#pragma once

#include "session/workspace.h"

namespace pixmora {

inline constexpr const char* kResampleFile = "pgraf.bmp";

// Resamples image B (Pic2) to image A's (Pic1's) size with the Catmull-Rom
// filter, through the working file "pgraf.bmp" of the process's own working
// folder (see session/config/working_folder.h). A workspace without a working
// folder resamples in memory, to the same pixels, and writes no file. Any
// failure (no image B, an unwritable folder, an unreadable file) ends it with
// image B unchanged and a notice through ws.report.
void FitImageB(Workspace& ws);

}  // namespace pixmora
