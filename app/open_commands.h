// The File commands that bring pictures in: image A, image B, the pattern and
// the shape picture, each through Dialog1 and then shown in its preview. A
// file named at start or dropped on a preview takes the same way in. Files
// are read away from the window's thread; Esc or Cancel stop the reading.
#pragma once
#include <QString>
#include <vector>

#include "app/command_host.h"

namespace pixmora::app {

struct FileToOpen {
  Slot slot;
  QString path;
};

// Binds the four open commands.
void RegisterOpenCommands(CommandHost& host);

// What choosing each path in its slot's open dialog does, one file after the
// other in one job: a file the picture library refuses is reported in one
// line and changes nothing; otherwise it is shown in its preview. False when
// the job could not start (a command runs).
bool OpenPictureFiles(CommandHost& host, const std::vector<FileToOpen>& files);
bool OpenPictureFile(CommandHost& host, Slot slot, const QString& path);

}  // namespace pixmora::app
