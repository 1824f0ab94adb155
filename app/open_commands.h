// The File commands that bring pictures in: image A, image B, the pattern and
// the shape picture, each through Dialog1 and then shown in its preview.
#pragma once

namespace pixmora::app {

class Form1;

// Gives mnuimma, mnuimmb, mnusalvap and the previews Image2, Image3, picture1
// and Picture4 their commands.
void RegisterOpenCommands(Form1& window);

}  // namespace pixmora::app
