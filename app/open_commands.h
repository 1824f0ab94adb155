// The File commands that bring pictures in: image A, image B, the pattern and
// the shape picture, each through Dialog1 and then shown in its preview. A
// file named at start or dropped on a preview takes the same way in.
#pragma once
#include <QString>

#include "app/form1.h"

namespace pixmora::app {

// Gives mnuimma, mnuimmb, mnusalvap and the previews Image2, Image3, picture1
// and Picture4 their commands; those four previews also take dropped files.
void RegisterOpenCommands(Form1& window);

// What choosing path in the slot's open dialog does: a file the picture
// library refuses is reported in one line and changes nothing; otherwise it
// is shown in its preview. False when nothing was opened (also while a
// command runs).
bool OpenPictureFile(Form1& window, Form1::Slot slot, const QString& path);

}  // namespace pixmora::app
