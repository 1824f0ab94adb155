// The File commands that bring pictures in: image A, image B, the pattern and
// the shape picture, each through Dialog1 and then shown in its preview. A
// file named at start or dropped on a preview takes the same way in.
#pragma once
#include <QString>

#include "app/command_host.h"

namespace pixmora::app {

// Binds the four open commands.
void RegisterOpenCommands(CommandHost& host);

// What choosing path in the slot's open dialog does: a file the picture
// library refuses is reported in one line and changes nothing; otherwise it
// is shown in its preview. False when nothing was opened (also while a
// command runs).
bool OpenPictureFile(CommandHost& host, Slot slot, const QString& path);

}  // namespace pixmora::app
