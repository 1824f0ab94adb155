// Sharing a picture's columns among threads: contiguous runs of columns,
// one per thread, for work whose columns do not depend on one another.
#pragma once
#include <algorithm>
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

// Cuts the columns 0 .. columns - 1 into at most `threads` contiguous runs and
// calls run(first, end, lead) for each, all at the same time; the calling
// thread takes the first run (lead = true) and returns when every run is
// done. For work whose columns do not depend on one another. When the system
// refuses a thread, the calling thread does that run itself. An exception
// from any run (a shortage of memory) comes out of this call once every run
// has ended, instead of ending the program on another thread.
template <class Run>
void ForColumnRuns(int threads, int columns, Run run) {
  const int runs = std::clamp(threads, 1, std::max(columns, 1));
  std::exception_ptr failure;
  std::mutex failing;
  auto guarded = [&](int i) {
    try {
      run(RunStart(i, runs, columns), RunStart(i + 1, runs, columns), i == 0);
    } catch (...) {
      std::lock_guard lock(failing);
      if (!failure) failure = std::current_exception();
    }
  };
  {
    std::vector<std::jthread> helpers;
    int started = 1;
    try {
      for (; started < runs; ++started) helpers.emplace_back(guarded, started);
    } catch (const std::system_error&) {
    }
    guarded(0);
    for (int i = started; i < runs; ++i) guarded(i);
  }
  if (failure) std::rethrow_exception(failure);
}

}  // namespace pixmora
