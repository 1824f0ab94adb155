// Where the program's folders are on this system. Every path ends with '/'.
#pragma once
#include <string>

#include "core/failure.h"
#include "core/paths_and_text.h"
#include "session/workspace.h"

namespace pixmora {

inline constexpr const char* kDataFolderName = "VARDELO24";

// The user's application-data folder: $XDG_DATA_HOME, else $HOME/.local/share
// (no trailing separator); empty when neither is set.
std::string GetSpecialFolderPath();
// $TMPDIR, else /tmp, with its trailing separator.
std::string GetTempFolder();

// The editor makes the temporary data folder when missing and brings the
// user's data folder what it lacks of the shipped data; the batch tool
// leaves both as they are and reads the shipped data where the data folder
// has none.
enum class Program { Editor, BatchTool };

// The data folder, the temporary data folder, the program folder, the
// shipped data and this process's working folder.
Folders FindFolders(Program program);
// Makes the temporary data folder, shared by every user of the machine as
// the temporary folder itself is (each working folder in it is private).
Status EnsureTempDataFolder(const std::string& tempDataFolder);

}  // namespace pixmora
