#include "imageio/atomic_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "core/cancel_token.h"
#include "core/child_process.h"
#include "core/exit_cleanup.h"
#include "core/paths_and_text.h"

namespace pixmora {

namespace {

// The mode a new file would get, or the one the replaced file had.
mode_t ModeFor(const std::string& target) {
  struct stat st;
  if (stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// The writer of a temporary file, from its name; 0 when it is not one.
pid_t WriterOf(const std::string& name) {
  const size_t mark = name.rfind(kTemporaryMark);
  if (name.empty() || name[0] != '.' || mark == std::string::npos) return 0;
  char* end = nullptr;
  const long pid = std::strtol(name.c_str() + mark + std::strlen(kTemporaryMark), &end, 10);
  return pid > 0 && *end == '-' && std::strlen(end) == 7 ? static_cast<pid_t>(pid) : 0;
}

}  // namespace

void RemoveStaleTemporaryFiles(const std::string& folder) {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    const pid_t writer = WriterOf(entry.path().filename().string());
    if (writer != 0 && !ProcessRuns(writer) && entry.is_regular_file(ec))
      std::filesystem::remove(entry.path(), ec);
  }
}

AtomicFile::AtomicFile(std::string target) : target_(std::move(target)) {
  // The process's number in the name tells a later run whether the writer
  // still runs (see StaleTemporaryFiles).
  std::string pattern = FolderOf(target_) + "/." + BaseName(target_) + kTemporaryMark +
                        std::to_string(getpid()) + "-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = mkstemp(name.data());
  if (fd < 0) {
    error_ = std::strerror(errno);
    return;
  }
  temp_ = name.data();
  exitTicket_ = RemoveAtExit(temp_);
  stream_ = fdopen(fd, "w+b");
  if (!stream_) {
    error_ = std::strerror(errno);
    close(fd);
    unlink(temp_.c_str());
    Forget();
  }
}

AtomicFile::~AtomicFile() { Discard(); }

void AtomicFile::Discard() {
  if (stream_) fclose(stream_);
  stream_ = nullptr;
  if (!temp_.empty()) unlink(temp_.c_str());
  Forget();
}

void AtomicFile::Forget() {
  KeepAtExit(exitTicket_);
  exitTicket_ = -1;
  temp_.clear();
}

bool AtomicFile::Commit(bool written) {
  if (!stream_) return false;
  // A cancelled job leaves the target as it was, even when its file is complete.
  if (CancelScope::Cancelled()) {
    error_ = "cancelled";
    Discard();
    return false;
  }
  if (!written) {
    if (error_.empty()) error_ = "the picture could not be encoded";
    Discard();
    return false;
  }
  const bool flushed = fflush(stream_) == 0 && !ferror(stream_) && fsync(fileno(stream_)) == 0 &&
                       fchmod(fileno(stream_), ModeFor(target_)) == 0;
  if (!flushed) error_ = std::strerror(errno ? errno : EIO);
  const bool closed = fclose(stream_) == 0;
  stream_ = nullptr;
  if (flushed && !closed) error_ = std::strerror(errno);
  if (!flushed || !closed || rename(temp_.c_str(), target_.c_str()) != 0) {
    if (flushed && closed) error_ = std::strerror(errno);
    unlink(temp_.c_str());
    Forget();
    return false;
  }
  Forget();
  return true;
}

}  // namespace pixmora
