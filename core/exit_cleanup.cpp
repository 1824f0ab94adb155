#include "core/exit_cleanup.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/limits.h>
#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace pixmora {

namespace {

enum State : int { kFree, kFilling, kActive };

struct Entry {
  std::atomic<int> state{kFree};
  char path[PATH_MAX];
};

constexpr int kFiles = 64;
Entry files[kFiles];
// The working folder: its path and an open descriptor, made in advance
// because opening a folder by name is not safe in a signal handler.
Entry folder;
std::atomic<int> folderFd{-1};

void RemoveFolderContents() {
  const int fd = folderFd.load();
  if (folder.state.load() != kActive || fd < 0) return;
  char buffer[4096];
  for (;;) {
    lseek(fd, 0, SEEK_SET);
    const long n = syscall(SYS_getdents64, fd, buffer, sizeof buffer);
    bool removed = false;
    for (long at = 0; at < n;) {
      auto* d = reinterpret_cast<dirent64*>(buffer + at);
      const bool dot = d->d_name[0] == '.' && (d->d_name[1] == 0 || (d->d_name[1] == '.' && d->d_name[2] == 0));
      if (!dot && unlinkat(fd, d->d_name, 0) == 0) removed = true;
      at += d->d_reclen;
    }
    if (n <= 0 || !removed) break;
  }
  rmdir(folder.path);
}

void RemoveAll() {
  for (Entry& e : files)
    if (e.state.load() == kActive) unlink(e.path);
  RemoveFolderContents();
}

void OnSignal(int sig) {
  RemoveAll();
  signal(sig, SIG_DFL);
  raise(sig);
}

void Install() {
  static std::once_flag once;
  std::call_once(once, [] {
    std::atexit(RemoveAll);
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
      struct sigaction current {};
      sigaction(sig, nullptr, &current);
      // A signal the process was started to ignore stays ignored.
      if (current.sa_handler == SIG_IGN) continue;
      struct sigaction action {};
      action.sa_handler = OnSignal;
      sigemptyset(&action.sa_mask);
      sigaction(sig, &action, nullptr);
    }
  });
}

bool Fill(Entry& e, const std::string& path) {
  if (path.size() >= sizeof e.path) return false;
  int expected = kFree;
  if (!e.state.compare_exchange_strong(expected, kFilling)) return false;
  std::memcpy(e.path, path.c_str(), path.size() + 1);
  e.state.store(kActive);
  return true;
}

}  // namespace

int RemoveAtExit(const std::string& file) {
  Install();
  for (int i = 0; i < kFiles; ++i)
    if (Fill(files[i], file)) return i;
  return -1;
}

void KeepAtExit(int ticket) {
  if (ticket >= 0 && ticket < kFiles) files[ticket].state.store(kFree);
}

bool RemoveFolderAtExit(const std::string& path) {
  Install();
  const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  // A folder made again replaces the one that vanished.
  folder.state.store(kFree);
  const int old = folderFd.exchange(-1);
  if (old >= 0) close(old);
  if (!Fill(folder, path)) {
    close(fd);
    return false;
  }
  folderFd.store(fd);
  return true;
}

}  // namespace pixmora
