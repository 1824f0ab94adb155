// The File › Save commands: the result written to a picture file of the
// user's choice, and the result handed on as the new image A or image B.
#pragma once

namespace pixmora::app {

class Form1;

// Gives mnusalva, the preview Image1, mnusalvaa, mnusalvab and tool buttons 5
// and 6 their commands.
void RegisterSaveCommands(Form1& window);

}  // namespace pixmora::app
