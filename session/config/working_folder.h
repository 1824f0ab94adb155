// The working folder: where this process keeps its working files ("$$$.bmp",
// "pgraf.bmp", the history's older pictures). It belongs to one process, so two editors
// and a batch run never read each other's files: a unique name, mode 0700.
// It is removed when the process ends, also by Ctrl+C; making it removes the
// folders of processes that no longer run.
#pragma once
#include <string>
#include <vector>

namespace pixmora {

// Made on first use under the first of parents where it can be (and again
// should it vanish); ends with '/'. Empty when no folder could be made (the
// working files then cannot be written, and their flows say so).
std::string ProcessWorkingFolder(const std::vector<std::string>& parents);

// Removes the working folders under parent whose process no longer runs.
void RemoveStaleWorkingFolders(const std::string& parent);

}  // namespace pixmora
