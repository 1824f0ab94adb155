// The frame's loop for a pass in order whose pixel (x, y) reads, of the
// columns already treated, only column x - 1 at rows above y: its rows can be
// cut into bands, one per thread, each band going through the columns left
// to right one column behind the band above it. Every cell then reads
// exactly what it reads when one thread goes down each column in turn.
#pragma once
#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

#include "core/operation_frame.h"

namespace pixmora {

namespace detail {

inline void WaitUntilAtLeast(const std::atomic<int>& counter, int value) {
  while (counter.load(std::memory_order_acquire) < value) std::this_thread::yield();
}

}  // namespace detail

// band(x, out, y0, y1, rows) treats the rows y0 .. y1 - 1 of column x, out
// being the target column and rows the number of its pixels (from the top)
// that the planes cover, 0 for a column beyond them. Each band brings in its
// own rows of each column (ColumnFeed); the first moves the progress bar.
// Leaves the loop counters as the loops end.
template <class Band>
void ForEachColumnInBands(Module1& m, PictureSurface& target, Band band) {
  const int w = target.Width(), h = target.Height();
  OperationFrame frame(m, w - 1.0);
  if (w <= 0) return;
  ColumnFeed feed(m.planes, target, w >= m.planes.Width());
  PixelBuffer& image = feed.Image();
  const int inW = std::min(w, m.planes.Width()), inH = std::min(h, m.planes.Height());
  const int bands = std::clamp(m.threads, 1, std::max(h, 1));
  // The columns each band has finished, a cache line apart.
  struct alignas(64) Finished {
    std::atomic<int> columns{0};
  };
  const auto done = std::make_unique<Finished[]>(bands);
  ForColumnRuns(bands, std::max(h, 1), [&](int y0, int y1, bool lead) {
    int b = 0;
    while (b + 1 < bands && RunStart(b + 1, bands, std::max(h, 1)) <= y0) ++b;
    y1 = std::min(y1, h);
    for (int x = 0; x < w; ++x) {
      if (b > 0) detail::WaitUntilAtLeast(done[b - 1].columns, x);
      feed.PrepareRows(x, y0, y1);
      band(x, image.Column(x), y0, y1, x < inW ? inH : 0);
      done[b].columns.store(x + 1, std::memory_order_release);
      if (lead) frame.Step(x);
    }
  });
  m.LoopX = static_cast<int16_t>(std::min(w, 32767));
  m.LoopY = static_cast<int16_t>(std::min(h, 32767));
}

}  // namespace pixmora
