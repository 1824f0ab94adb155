// Tool buttons 0 to 4: image A, image B, the last result, the pattern or the
// shape picture shown in the preview window.
#pragma once
#include "app/command_host.h"

namespace pixmora::app {

void RegisterPreviewCommands(CommandHost& host);

}  // namespace pixmora::app
