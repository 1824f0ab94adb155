// Stopping a job from another thread. The window's Cancel sets the token.
// A file job's thread carries it in a CancelScope, where the decoder's reader
// and the file writer look for it: the file layer's calls keep their
// signatures, and callers that set no scope (the batch tool) are never
// cancelled. A command gets it in its call's context (CallContext).
#pragma once
#include <atomic>

namespace pixmora {

class CancelToken {
 public:
  CancelToken();
  ~CancelToken();
  CancelToken(const CancelToken&) = delete;
  CancelToken& operator=(const CancelToken&) = delete;

  // Safe from any thread, any number of times.
  void Cancel();
  bool Cancelled() const { return cancelled_.load(std::memory_order_acquire); }
  // Becomes readable once cancelled, so a wait on a pipe can wait on it too.
  int Fd() const { return fd_; }

 private:
  std::atomic<bool> cancelled_{false};
  int fd_;
};

// Makes token the current one of this thread while the scope lives.
class CancelScope {
 public:
  explicit CancelScope(const CancelToken& token);
  ~CancelScope();
  CancelScope(const CancelScope&) = delete;
  CancelScope& operator=(const CancelScope&) = delete;

  // The token of the innermost scope on this thread; null outside any.
  static const CancelToken* Current();
  // Whether this thread's job has been cancelled.
  static bool Cancelled() { return Current() && Current()->Cancelled(); }

 private:
  const CancelToken* outer_;
};

}  // namespace pixmora
