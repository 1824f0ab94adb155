// AtomicFile: writes a file under a temporary name in the target's folder and
// renames it over the target only once everything reached the disk, so a
// failed write never leaves a half-written file where a good one stood.
#pragma once
#include <cstdio>
#include <string>

namespace pixmora {

// Temporary files are named ".NAME" + kTemporaryMark + "PID-XXXXXX".
inline constexpr const char* kTemporaryMark = ".pixmora-";

// Removes from folder the temporary files of writers that no longer run
// (a run that was killed, say).
void RemoveStaleTemporaryFiles(const std::string& folder);

class AtomicFile {
 public:
  explicit AtomicFile(std::string target);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Null when the temporary file could not be made (see Error()).
  FILE* Stream() const { return stream_; }
  // Completes the file when written is true and everything was flushed;
  // otherwise (or when this thread's job was cancelled) removes the temporary
  // file. True when the target now holds it.
  bool Commit(bool written);
  // Why the last step failed, as the system put it.
  const std::string& Error() const { return error_; }

 private:
  void Discard();
  // The temporary file is gone (renamed or removed): no longer ours to remove.
  void Forget();

  std::string target_;
  std::string temp_;
  FILE* stream_ = nullptr;
  int exitTicket_ = -1;  // removes the temporary file if the process is ended meanwhile
  std::string error_;
};

}  // namespace pixmora
