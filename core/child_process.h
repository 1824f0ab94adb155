// A child process with pipes to its standard streams: spawning,
// reading with a deadline, and reaping, with the interrupted-call loops in
// one place. The decoder and the batch tool's folder runs use it.
#pragma once
#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace pixmora {

class CancelToken;

using Deadline = std::chrono::steady_clock::time_point;

class ChildProcess {
 public:
  // Where one of the child's standard streams goes.
  enum class Stream { Inherit, Null, Pipe };
  struct Options {
    Stream in = Stream::Null;  // a child reads our terminal only when asked
    Stream out = Stream::Inherit;
    Stream err = Stream::Inherit;
    int pipeBytes = 0;                    // a larger output pipe, when not 0 (a hint)
    const std::vector<std::string>* env = nullptr;  // null: this process's environment
    const CancelToken* cancel = nullptr;  // reading the output stops once it is cancelled
  };

  ChildProcess() = default;
  // Starts argv[0]. Started() tells whether it runs; Error() says why not.
  ChildProcess(const std::vector<std::string>& argv, const Options& options);
  // A child still running is killed and reaped.
  ~ChildProcess();
  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess& operator=(ChildProcess&& other) noexcept;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return pid_ > 0; }
  const std::string& Error() const { return error_; }
  int InFd() const { return in_; }
  int OutFd() const { return out_; }
  // Writes all of data to the child's input; false when the child no longer
  // reads it (this process is not stopped by the broken pipe).
  bool WriteIn(const std::string& data);
  // Ends the child's input: it reads end of file.
  void CloseIn();
  // The token that stops ReadOut from now on (null: none).
  void SetCancel(const CancelToken* cancel) { cancel_ = cancel; }
  int ErrFd() const { return err_; }

  // Reads exactly size bytes of the child's output before the deadline (and
  // before the cancel token of the options is cancelled).
  bool ReadOut(void* data, size_t size, Deadline deadline);
  // Appends what the child has written to its error stream and is waiting
  // in the pipe; true once the stream has ended (the pipe is then closed).
  bool ReadErr(std::string& into);

  void Kill();
  // Waits for the child to end and answers its wait status (-1 when there is
  // no child).
  int Reap();

 private:
  void Dispose();
  void CloseFds();

  pid_t pid_ = -1;
  int in_ = -1;
  int out_ = -1;
  int err_ = -1;
  const CancelToken* cancel_ = nullptr;
  std::string error_;
};

// In a child that serves requests: one field of the next request on its
// standard input, up to the NUL that ends it; false at the end of the input.
bool ReadRequestField(std::string& field);

// Whether a process of that number runs (perhaps another user's).
bool ProcessRuns(pid_t pid);

// Waits until at least one of the descriptors can be read (or has ended),
// at most timeoutMs (-1: without limit); answers the indices of those.
std::vector<size_t> ReadableAmong(const std::vector<int>& fds, int timeoutMs);

}  // namespace pixmora
