#include "session/config/working_folder.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <vector>

#include "core/child_process.h"
#include "core/exit_cleanup.h"
#include "core/paths_and_text.h"

namespace pixmora {

namespace {

constexpr const char* kPrefix = "pixmora-work-";

// A folder's owner process, from its name "pixmora-work-PID-XXXXXX"; 0 when
// the name is not one of ours.
pid_t OwnerOf(const std::string& name) {
  if (name.rfind(kPrefix, 0) != 0) return 0;
  char* end = nullptr;
  const long pid = std::strtol(name.c_str() + std::char_traits<char>::length(kPrefix), &end, 10);
  return pid > 0 && *end == '-' ? static_cast<pid_t>(pid) : 0;
}

std::string MakeUnder(const std::string& parent) {
  if (parent.empty() || !IsFolder(parent) || access(parent.c_str(), W_OK | X_OK) != 0) return "";
  RemoveStaleWorkingFolders(parent);
  std::string pattern = parent + (parent.back() == '/' ? "" : "/") + kPrefix +
                        std::to_string(getpid()) + "-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  // Ctrl+C between making the folder and marking it for removal would leave it.
  sigset_t ending, before;
  sigemptyset(&ending);
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&ending, sig);
  pthread_sigmask(SIG_BLOCK, &ending, &before);
  const bool made = mkdtemp(name.data()) != nullptr;  // mkdtemp makes it 0700
  if (made) RemoveFolderAtExit(name.data());
  pthread_sigmask(SIG_SETMASK, &before, nullptr);
  return made ? std::string(name.data()) + "/" : "";
}

}  // namespace

void RemoveStaleWorkingFolders(const std::string& parent) {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(parent, ec)) {
    const pid_t owner = OwnerOf(entry.path().filename().string());
    struct stat st;
    // Only our own user's folders: another user's are theirs to clear.
    if (owner == 0 || ProcessRuns(owner) || lstat(entry.path().c_str(), &st) != 0 ||
        st.st_uid != getuid() || !S_ISDIR(st.st_mode))
      continue;
    std::filesystem::remove_all(entry.path(), ec);
  }
}

std::string ProcessWorkingFolder(const std::vector<std::string>& parents) {
  static std::mutex mutex;
  static std::string folder;
  const std::lock_guard lock(mutex);
  // Made again when something (a cleaner of old temporary files) removed it.
  if (!folder.empty() && IsFolder(folder)) return folder;
  folder.clear();
  for (const std::string& parent : parents)
    if (folder.empty()) folder = MakeUnder(parent);
  return folder;
}

}  // namespace pixmora
