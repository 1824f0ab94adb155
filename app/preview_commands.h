// Tool buttons 0 to 4: image A, image B, the last result, the pattern or the
// shape picture shown in the preview window.
#pragma once

namespace pixmora::app {

class Form1;

void RegisterPreviewCommands(Form1& window);

}  // namespace pixmora::app
