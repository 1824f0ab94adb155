#include "imageio/atomic_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/cancel_token.h"
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

}  // namespace

AtomicFile::AtomicFile(std::string target) : target_(std::move(target)) {
  std::string pattern = FolderOf(target_) + "/." + BaseName(target_) + ".XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = mkstemp(name.data());
  if (fd < 0) {
    error_ = std::strerror(errno);
    return;
  }
  temp_ = name.data();
  stream_ = fdopen(fd, "w+b");
  if (!stream_) {
    error_ = std::strerror(errno);
    close(fd);
    unlink(temp_.c_str());
    temp_.clear();
  }
}

AtomicFile::~AtomicFile() { Discard(); }

void AtomicFile::Discard() {
  if (stream_) fclose(stream_);
  stream_ = nullptr;
  if (!temp_.empty()) unlink(temp_.c_str());
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
    temp_.clear();
    return false;
  }
  temp_.clear();
  return true;
}

}  // namespace pixmora
