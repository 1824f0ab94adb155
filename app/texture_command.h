// File › "Save Texture (256x256)": the texture library window, modal.
#pragma once

namespace pixmora::app {

class Form1;

void RegisterTextureCommand(Form1& window);

}  // namespace pixmora::app
