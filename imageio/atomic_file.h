// AtomicFile: writes a file under a temporary name in the target's folder and
// renames it over the target only once everything reached the disk, so a
// failed write never leaves a half-written file where a good one stood.
#pragma once
#include <cstdio>
#include <string>

namespace pixmora {

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

  std::string target_;
  std::string temp_;
  FILE* stream_ = nullptr;
  std::string error_;
};

}  // namespace pixmora
