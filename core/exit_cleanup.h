// Files and folders this process removes when it ends: at a normal exit and
// also when SIGINT, SIGTERM or SIGHUP ends it, so that a run stopped with
// Ctrl+C leaves no temporary file or working folder behind. The removal in a
// signal handler uses only calls that are safe there.
#pragma once
#include <string>

namespace pixmora {

// Marks a file for removal; answers a ticket for KeepAtExit (-1 when the
// table is full, in which case the file stays if the process is killed).
int RemoveAtExit(const std::string& file);
// The file is no longer this process's to remove (it was renamed or removed).
void KeepAtExit(int ticket);

// Marks a folder whose files (not sub-folders) and then itself are removed
// at the end, in place of one marked before; false when it cannot be opened.
bool RemoveFolderAtExit(const std::string& folder);

}  // namespace pixmora
