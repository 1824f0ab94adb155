// The frame's loop for a pass in order whose pixel (x, y) reads treated
// cells in the columns before x and above y in column x, and untreated ones
// everywhere else, no further than r rows below y. With r = 0 it reads no
// row below its own, and no treated cell of column x above its own row but
// its own band's. Its rows can be cut into bands, one per thread:
//   - band b treats column x once band b - 1 has finished it (r = 0: has
//     finished column x - 1), so every treated cell it reads is final;
//   - band b treats its first r rows of column x first, and band b - 1 goes
//     on to column x + 1 only after them (its last rows read them treated,
//     and they read b - 1's rows of column x + 1 untreated).
// Every cell then reads exactly what it reads when one thread goes down each
// column in turn.
#pragma once
#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "core/operation_frame.h"

namespace pixmora {

// Waits until another thread's counter reaches value, giving up once the
// call is cancelled: the thread it waits for may have stopped already.
inline void WaitUntilReached(const CallContext& call, const std::atomic<int>& counter, int value) {
  while (counter.load(std::memory_order_acquire) < value) {
    call.StopIfCancelled();
    std::this_thread::yield();
  }
}

// makeBand() gives each band its callable band(x, out, y0, y1, rows), which
// treats the rows y0 .. y1 - 1 of column x (out being the target column and
// rows the number of its pixels, from the top, that the planes cover) and
// writes their target pixels. On one thread the planes are fed a column
// ahead (ColumnFeed with reach r). With several bands each brings in its own
// rows when r = 0; otherwise the planes settle first, since a band reads
// rows of the band below before that band has treated them. Leaves the loop
// counters as the loops end. Every band stops between two columns once the
// call is cancelled, and so does every band waiting for another.
template <class MakeBand>
void ForEachColumnInBands(Module1& m, const CallContext& call, PictureSurface& target, int r,
                          MakeBand makeBand) {
  const int w = target.Width(), h = target.Height();
  OperationFrame frame(call, w - 1.0);
  if (w <= 0) return;
  constexpr int kLeastRows = 64;
  const int wanted = std::clamp(call.threads, 1, std::max(h / std::max(kLeastRows, r), 1));
  if (wanted > 1 && r > 0) m.planes.PlaneR();
  ColumnFeed feed(m.planes, target, w >= m.planes.Width(), r);
  PixelBuffer& image = feed.Image();
  const int inW = std::min(w, m.planes.Width()), inH = std::min(h, m.planes.Height());
  struct alignas(64) Finished {
    std::atomic<int> columns{0}, heads{0};  // columns finished, and their first r rows
  };
  const auto done = std::make_unique<Finished[]>(wanted);
  // Made here, so that a band that cannot get its memory fails before any
  // band waits for it.
  std::vector<decltype(makeBand())> made;
  for (int b = 0; b < wanted; ++b) made.push_back(makeBand());
  RunSideBySide(wanted, [&](int b, int bands) {
    const int y0 = RunStart(b, bands, h), y1 = RunStart(b + 1, bands, h);
    const int head = b > 0 ? std::min(y0 + r, y1) : y0;
    auto& band = made[b];
    for (int x = 0; x < w; ++x) {
      call.StopIfCancelled();
      if (b > 0) WaitUntilReached(call, done[b - 1].columns, r > 0 ? x + 1 : x);
      if (r > 0 && b + 1 < bands) WaitUntilReached(call, done[b + 1].heads, x);  // x - 1's
      if (bands == 1)
        feed.Prepare(x);
      else
        feed.PrepareRows(x, y0, y1);
      const int rows = x < inW ? inH : 0;
      ColorRef* out = image.Column(x);
      if (head > y0) band(x, out, y0, head, rows);
      done[b].heads.store(x + 1, std::memory_order_release);
      band(x, out, head, y1, rows);
      done[b].columns.store(x + 1, std::memory_order_release);
      if (b == 0) frame.Step(x);
    }
  });
  m.LoopX = static_cast<int16_t>(std::min(w, 32767));
  m.LoopY = static_cast<int16_t>(std::min(h, 32767));
}

}  // namespace pixmora
