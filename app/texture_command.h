// File › "Save Texture (256x256)": the texture library window, modal.
#pragma once
#include "app/command_host.h"

namespace pixmora::app {

void RegisterTextureCommand(CommandHost& host);

}  // namespace pixmora::app
