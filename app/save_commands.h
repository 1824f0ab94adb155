// The File › Save commands: the result written to a picture file of the
// user's choice, and the result handed on as the new image A or image B.
#pragma once
#include <functional>

#include "app/command_host.h"

namespace pixmora::app {

// Binds Save file and the two commands that hand the result on.
void RegisterSaveCommands(CommandHost& host);

// Save file: asks for a name (not while there is no result yet: the status
// bar says so instead) and writes the result there, away from the window's
// thread. Once the file holds it, and only then, whenSaved runs on the
// window's thread.
void SaveResult(CommandHost& host, std::function<void()> whenSaved = {});

}  // namespace pixmora::app
