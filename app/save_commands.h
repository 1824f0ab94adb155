// The File › Save commands: the result written to a picture file of the
// user's choice, and the result handed on as the new image A or image B.
#pragma once
#include "app/command_host.h"

namespace pixmora::app {

// Binds Save file and the two commands that hand the result on.
void RegisterSaveCommands(CommandHost& host);

}  // namespace pixmora::app
