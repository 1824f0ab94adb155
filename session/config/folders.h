// Where the program's folders are on this system. Every path ends with '/'.
#pragma once
#include <string>

#include "core/paths_and_text.h"
#include "session/workspace.h"

namespace pixmora {

inline constexpr const char* kDataFolderName = "VARDELO24";

// The user's application-data folder: $XDG_DATA_HOME, else $HOME/.local/share
// (no trailing separator); empty when neither is set.
std::string GetSpecialFolderPath();
// $TMPDIR, else /tmp, with its trailing separator.
std::string GetTempFolder();

// The data folder, the temporary data folder (created when missing) and the
// program folder.
Folders FindFolders();
bool EnsureTempDataFolder(const std::string& tempDataFolder);

}  // namespace pixmora
