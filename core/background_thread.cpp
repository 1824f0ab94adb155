#include "core/background_thread.h"

#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <thread>

namespace pixmora {

namespace {
std::atomic<int> foreground{0};
}  // namespace

ForegroundWork::ForegroundWork() { foreground.fetch_add(1, std::memory_order_relaxed); }

ForegroundWork::~ForegroundWork() { foreground.fetch_sub(1, std::memory_order_relaxed); }

void WaitForForegroundWork(std::chrono::milliseconds longest) {
  const auto until = std::chrono::steady_clock::now() + longest;
  while (foreground.load(std::memory_order_relaxed) > 0 && std::chrono::steady_clock::now() < until)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

void LowerThreadPriority() {
  // On Linux a thread has a nice value of its own; a system that refuses
  // leaves it as it was, which is only slower.
  setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
}

}  // namespace pixmora
