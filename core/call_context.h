// What one call of a routine carries besides the state the routines share
// (Module1): where it shows itself while it runs, how many threads it may
// use, the token that stops it, and where the random source stood when it
// began, so that a stopped command can put the source back.
#pragma once
#include <exception>
#include <thread>

#include "core/cancel_token.h"
#include "core/random_source.h"

namespace pixmora {

// What an operation shows of itself while it runs. The window implements it;
// headless callers keep the default, which shows nothing.
class FrameHooks {
 public:
  virtual ~FrameHooks() = default;
  virtual void SetBusyMark(bool /*visible*/) {}
  virtual void SetProgressRange(double /*min*/, double /*max*/) {}
  virtual void SetProgressValue(double /*value*/) {}
};

// How a call ends once its token is cancelled: the shared loops throw it
// between columns (and bands), and whoever made the context catches it.
class CallCancelled : public std::exception {
 public:
  const char* what() const noexcept override { return "the command was cancelled"; }
};

struct CallContext {
  FrameHooks* hooks = &NoHooks();
  // How many threads the routines that can split their work may use; the
  // pixels are the same for every count.
  int threads = MachineThreads();
  // Null: the call runs to its end.
  const CancelToken* cancel = nullptr;
  RandomSource randomStart{};

  bool Cancelled() const { return cancel && cancel->Cancelled(); }
  // Between two columns: ends the call once it is cancelled.
  void StopIfCancelled() const {
    if (Cancelled()) throw CallCancelled();
  }

  static int MachineThreads() {
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : static_cast<int>(n);
  }
  // The threads worth starting for a pass over a picture of that many
  // pixels: the machine's for a megapixel or more, one below.
  static int ThreadsFor(size_t pixels) { return pixels >= (size_t{1} << 20) ? MachineThreads() : 1; }
  static FrameHooks& NoHooks() {
    static FrameHooks none;
    return none;
  }
};

}  // namespace pixmora
