// One-time FreeImage set-up and the capture of its diagnostic messages.
#pragma once
#include <string>

namespace pixmora {

// Initialises FreeImage once per process and routes its messages, and those
// of the TIFF library beneath it, to RememberMessage instead of the terminal.
void EnsureFreeImage();
void RememberMessage(const std::string& message);

}  // namespace pixmora
