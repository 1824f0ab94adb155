// Sharing a picture's columns among threads: contiguous runs of columns,
// one per thread, for work whose columns do not depend on one another.
#pragma once
#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace pixmora {

// The first column of run i when `columns` columns are cut into `runs`
// contiguous runs of nearly equal length.
inline int RunStart(int i, int runs, int columns) {
  return static_cast<int>(static_cast<long long>(columns) * i / runs);
}

// Runs part(i, count) for i = 0 .. count - 1 all at the same time, part 0 on
// the calling thread, and returns when every part is done. count, at most
// `wanted`, is the number of threads the system gives, decided before any
// part starts, so that parts may wait for one another (those then must not
// fail). An exception from any part (a shortage of memory) comes out of this
// call once every part has ended, instead of ending the program on another
// thread.
template <class Part>
void RunSideBySide(int wanted, Part part) {
  std::atomic<int> count{0};  // 0 until decided
  std::exception_ptr failure;
  std::mutex failing;
  auto guarded = [&](int i) {
    try {
      part(i, count.load(std::memory_order_acquire));
    } catch (...) {
      std::lock_guard lock(failing);
      if (!failure) failure = std::current_exception();
    }
  };
  {
    std::vector<std::jthread> helpers;
    try {
      for (int i = 1; i < wanted; ++i)
        helpers.emplace_back([&count, &guarded, i] {
          count.wait(0, std::memory_order_acquire);
          guarded(i);
        });
    } catch (const std::system_error&) {
    }
    count.store(static_cast<int>(helpers.size()) + 1, std::memory_order_release);
    count.notify_all();
    guarded(0);
  }
  if (failure) std::rethrow_exception(failure);
}

// Cuts the columns 0 .. columns - 1 into at most `threads` contiguous runs, one
// per thread the system gives, and calls run(first, end, lead) for each, all
// at the same time (see RunSideBySide); the calling thread takes the first
// run (lead = true). For work whose columns do not depend on one another.
template <class Run>
void ForColumnRuns(int threads, int columns, Run run) {
  RunSideBySide(std::clamp(threads, 1, std::max(columns, 1)), [&](int i, int runs) {
    run(RunStart(i, runs, columns), RunStart(i + 1, runs, columns), i == 0);
  });
}

}  // namespace pixmora
