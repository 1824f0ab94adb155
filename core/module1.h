// The state the operation routines share: the channel planes, the loop
// counters, the scratch colour, the random source, and the window's busy mark
// and progress bar (reached through FrameHooks).
#pragma once
#include <cstdint>
#include <thread>

#include "core/channel_planes.h"
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

struct Module1 {
  ChannelPlanes planes;
  int16_t LoopX = 0;
  int16_t LoopY = 0;
  int32_t PixelColour = 0;
  RandomSource random;
  FrameHooks* hooks = &NoHooks();
  // How many threads the routines that can split their work may use; the
  // pixels are the same for every count.
  int threads = MachineThreads();

  static int MachineThreads() {
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : static_cast<int>(n);
  }

  static FrameHooks& NoHooks() {
    static FrameHooks none;
    return none;
  }
};

}  // namespace pixmora
