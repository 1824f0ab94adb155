// Sharing a picture's columns among threads: contiguous runs of columns,
// one per thread, for work whose columns do not depend on one another.
#pragma once
#include <algorithm>
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
// refuses a thread, the calling thread does that run itself.
template <class Run>
void ForColumnRuns(int threads, int columns, Run run) {
  const int runs = std::clamp(threads, 1, std::max(columns, 1));
  std::vector<std::jthread> helpers;
  int started = 1;
  try {
    for (; started < runs; ++started)
      helpers.emplace_back([&run, i = started, runs, columns] {
        run(RunStart(i, runs, columns), RunStart(i + 1, runs, columns), false);
      });
  } catch (const std::system_error&) {
  }
  run(0, RunStart(1, runs, columns), true);
  for (int i = started; i < runs; ++i)
    run(RunStart(i, runs, columns), RunStart(i + 1, runs, columns), false);
}

}  // namespace pixmora
