// AtomicFile: writes a file under a temporary name in the target's folder and
// renames it over the target only once everything reached the disk, so a
// failed write never leaves a half-written file where a good one stood.
#pragma once
#include <cstdio>
#include <string>

#include "core/failure.h"

namespace pixmora {

// Temporary files are named ".NAME" + kTemporaryMark + "PID-XXXXXX".
inline constexpr const char* kTemporaryMark = ".pixmora-";

// Removes from folder the temporary files of writers that no longer run
// (a run that was killed, say).
void RemoveStaleTemporaryFiles(const std::string& folder);

class AtomicFile {
 public:
  // A target that is a device or a pipe (/dev/null, /dev/full) cannot be
  // replaced: it is written in place.
  explicit AtomicFile(std::string target);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Null when the file could not be made (Commit then says why).
  FILE* Stream() const { return stream_; }
  // Completes the file when written is true and everything reached the disk;
  // otherwise (or when this thread's job was cancelled) removes the temporary
  // file. writeError: the system's error number of the write that failed, 0
  // when the content itself could not be made. The failure is writing the
  // target, in the system's words.
  Status Commit(bool written, int writeError = 0);

 private:
  void Discard();
  // Flushes, closes and renames the file over the target; the system's error
  // number of the step that failed, else 0.
  int Complete();
  // The temporary file is gone (renamed or removed): no longer ours to remove.
  void Forget();

  std::string target_;
  std::string temp_;
  FILE* stream_ = nullptr;
  bool inPlace_ = false;  // the target itself is written (a device or a pipe)
  int exitTicket_ = -1;   // removes the temporary file if the process is ended meanwhile
  int openError_ = 0;     // why the file could not be made
};

// A text file written whole or not at all, as AtomicFile writes.
Status WriteTextFile(const std::string& path, const std::string& text);

}  // namespace pixmora
