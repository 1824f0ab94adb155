#include "imageio/atomic_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <utility>
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

// The system's error number of the call that just failed (EIO when it set none).
int LastError() { return errno ? errno : EIO; }

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
  struct stat st;
  if (stat(target_.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
    inPlace_ = true;
    stream_ = std::fopen(target_.c_str(), "wb");
    if (!stream_) openError_ = LastError();
    return;
  }
  // The process's number in the name tells a later run whether the writer
  // still runs (see StaleTemporaryFiles).
  std::string pattern = FolderOf(target_) + "/." + BaseName(target_) + kTemporaryMark +
                        std::to_string(getpid()) + "-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = mkstemp(name.data());
  if (fd < 0) {
    openError_ = LastError();
    return;
  }
  temp_ = name.data();
  exitTicket_ = RemoveAtExit(temp_);
  stream_ = fdopen(fd, "w+b");
  if (!stream_) {
    openError_ = LastError();
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

Status AtomicFile::Commit(bool written, int writeError) {
  if (!stream_) return std::unexpected(CannotWrite(target_, openError_));
  // A cancelled job leaves the target as it was, even when its file is complete.
  if (CancelScope::Cancelled()) {
    Discard();
    return std::unexpected(CannotWrite(target_, "cancelled"));
  }
  if (!written) {
    Discard();
    return std::unexpected(writeError ? CannotWrite(target_, writeError)
                                      : CannotWrite(target_, "the picture could not be encoded"));
  }
  const int code = Complete();
  if (code != 0 && !temp_.empty()) unlink(temp_.c_str());
  Forget();
  if (code != 0) return std::unexpected(CannotWrite(target_, code));
  return {};
}

int AtomicFile::Complete() {
  FILE* stream = std::exchange(stream_, nullptr);
  errno = 0;
  int code = 0;
  if (fflush(stream) != 0 || ferror(stream) ||
      (!inPlace_ && (fsync(fileno(stream)) != 0 || fchmod(fileno(stream), ModeFor(target_)) != 0)))
    code = LastError();
  if (fclose(stream) != 0 && code == 0) code = LastError();
  if (code == 0 && !inPlace_ && rename(temp_.c_str(), target_.c_str()) != 0) code = LastError();
  return code;
}

Status WriteTextFile(const std::string& path, const std::string& text) {
  AtomicFile file(path);
  errno = 0;
  const bool written =
      file.Stream() && std::fwrite(text.data(), 1, text.size(), file.Stream()) == text.size();
  return file.Commit(written, errno);
}

}  // namespace pixmora
