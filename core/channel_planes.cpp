#include "core/channel_planes.h"

#include <algorithm>
#include <cstdint>

#include "core/column_runs.h"
#include "core/prefetch_ahead.h"

namespace pixmora {

void SplitColumn(const ColorRef* __restrict in, int32_t* __restrict r, int32_t* __restrict g,
                 int32_t* __restrict b, int count) {
  // A cache line of cells at a time, asking for the lines a kilobyte ahead,
  // the planes' for writing: the processor's own prefetching stops at every
  // 4 KB page, several times a column, and splitting then waits for memory.
  constexpr int kCellsPerLine = 16;
  for (int y0 = 0; y0 < count; y0 += kCellsPerLine) {
    PrefetchAhead(in + y0);
    for (int32_t* plane : {r, g, b}) PrefetchAhead<true>(plane + y0);
    for (int y = y0; y < std::min(count, y0 + kCellsPerLine); ++y) {
      const Channels c = ChannelBytes(in[y]);
      r[y] = c.r, g[y] = c.g, b[y] = c.b;
    }
  }
}

void ChannelPlanes::Resize(int width, int height) {
  const size_t n = static_cast<size_t>(width > 0 ? width : 0) * (height > 0 ? height : 0);
  std::lock_guard lock(settling_);
  source_.reset(), treated_ = {};  // the contents a pending load would give are discarded
  deferred_.store(false, std::memory_order_release);
  cells_.reset();
  r_ = g_ = b_ = nullptr;
  width_ = n ? width : 0;
  height_ = n ? height : 0;
  ready_.store(n == 0, std::memory_order_release);
}

void ChannelPlanes::MakeCells() const {
  if (cells_ || width_ == 0) return;
  const size_t n = static_cast<size_t>(width_) * height_;
  constexpr size_t kPage = 1024, kThird = 352;  // in cells: 4 KB and 1408 bytes
  const size_t stride = n + (kThird + kPage - n % kPage) % kPage;  // stride % kPage == kThird
  cells_ = MakeLargeArray<int32_t>(2 * stride + n);
  r_ = cells_.get(), g_ = r_ + stride, b_ = g_ + stride;
}

Channels ChannelPlanes::Peek(int x, int y) const {
  std::lock_guard lock(settling_);
  if (deferred_.load(std::memory_order_relaxed)) {
    Channels c = SplitColour(source_->At(x, y));
    if (treated_.treat && x < treated_.columns && y < treated_.rows) treated_.treat(x, y, &c.r, &c.g, &c.b, 1);
    return c;
  }
  if (!cells_) return {0, 0, 0};
  const size_t i = Index(x, y);
  return {r_[i], g_[i], b_[i]};
}

Picture ChannelPlanes::PendingSource() const {
  std::lock_guard lock(settling_);
  return deferred_.load(std::memory_order_relaxed) ? source_ : nullptr;
}

void ChannelPlanes::DeferLoad(Picture source, int threads, CellTreatment treated) {
  std::lock_guard lock(settling_);
  source_ = std::move(source);
  treated_ = source_ ? std::move(treated) : CellTreatment{};
  threads_ = threads;
  deferred_.store(source_ != nullptr, std::memory_order_release);
  ready_.store(!source_ && (cells_ || width_ == 0), std::memory_order_release);
}

Picture ChannelPlanes::TakeDeferredLoad() {
  std::lock_guard lock(settling_);
  if (treated_.treat) SettleLocked();  // a treatment goes over whole columns, not rows
  if (!source_) return nullptr;
  MakeCells();  // before the load is taken: the planes are left as they were if it throws
  deferred_.store(false, std::memory_order_release);
  ready_.store(true, std::memory_order_release);
  return std::move(source_);
}

Picture ChannelPlanes::SetAsideLoad() {
  std::lock_guard lock(settling_);
  if (treated_.treat) return nullptr;
  deferred_.store(false, std::memory_order_release);
  return std::move(source_);
}

void ChannelPlanes::LoadRows(const PixelBuffer& source, int x, int y0, int y1) {
  const size_t base = Index(x, y0);
  SplitColumn(source.Column(x) + y0, r_ + base, g_ + base, b_ + base, y1 - y0);
}

// Threads that meet unmade cells or a pending load together wait for the one
// that settles them.
void ChannelPlanes::SettleDeferredLoad() const {
  std::lock_guard lock(settling_);
  SettleLocked();
}

void ChannelPlanes::SettleLocked() const {
  if (ready_.load(std::memory_order_relaxed)) return;
  MakeCells();
  if (deferred_.load(std::memory_order_relaxed)) {
    auto& self = const_cast<ChannelPlanes&>(*this);
    ForColumnRuns(threads_, width_, [&self](int first, int end, bool) {
      const CellTreatment& t = self.treated_;
      for (int x = first; x < end; ++x) {
        self.LoadColumn(*self.source_, x);
        const size_t base = self.Index(x, 0);
        if (t.treat && x < t.columns) t.treat(x, 0, self.r_ + base, self.g_ + base, self.b_ + base, t.rows);
      }
    });
    source_.reset(), treated_ = {};
    deferred_.store(false, std::memory_order_release);
  }
  ready_.store(true, std::memory_order_release);
}

}  // namespace pixmora
