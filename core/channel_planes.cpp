#include "core/channel_planes.h"

#include <algorithm>
#include <cstdint>

#include "core/column_runs.h"

namespace pixmora {

namespace {

// The address cells beyond p, which need not lie in the same array: a
// prefetch of any address is harmless.
template <class T>
const void* Ahead(const T* p, int cells) {
  return reinterpret_cast<const void*>(reinterpret_cast<uintptr_t>(p) + cells * sizeof(T));
}

}  // namespace

void SplitColumn(const ColorRef* __restrict in, int32_t* __restrict r, int32_t* __restrict g,
                 int32_t* __restrict b, int count) {
  // A cache line of cells at a time, asking for the lines a kilobyte ahead,
  // the planes' for writing: the processor's own prefetching stops at every
  // 4 KB page, several times a column, and splitting then waits for memory.
  constexpr int kAhead = 256, kCellsPerLine = 16;
  for (int y0 = 0; y0 < count; y0 += kCellsPerLine) {
    __builtin_prefetch(Ahead(in + y0, kAhead), 0);
    for (int32_t* plane : {r, g, b}) __builtin_prefetch(Ahead(plane + y0, kAhead), 1);
    for (int y = y0; y < std::min(count, y0 + kCellsPerLine); ++y) {
      const Channels c = ChannelBytes(in[y]);
      r[y] = c.r, g[y] = c.g, b[y] = c.b;
    }
  }
}

void ChannelPlanes::Resize(int width, int height) {
  const size_t n = static_cast<size_t>(width > 0 ? width : 0) * (height > 0 ? height : 0);
  TakeDeferredLoad();  // the contents it would give are discarded
  // Release before allocating, so that peak memory holds one set of planes;
  // when the memory cannot be had, the planes stay empty.
  cells_.reset();
  width_ = height_ = 0;
  r_ = g_ = b_ = nullptr;
  constexpr size_t kPage = 1024, kThird = 352;  // in cells: 4 KB and 1408 bytes
  const size_t stride = n + (kThird + kPage - n % kPage) % kPage;  // stride % kPage == kThird
  cells_ = MakeLargeArray<int32_t>(2 * stride + n);
  r_ = cells_.get(), g_ = r_ + stride, b_ = g_ + stride;
  width_ = n ? width : 0;
  height_ = n ? height : 0;
}

std::pair<void*, size_t> ChannelPlanes::Memory() const {
  return {cells_.get(), cells_ ? cells_.get_deleter().bytes : 0};
}

Channels ChannelPlanes::Peek(int x, int y) const {
  {
    std::lock_guard lock(settling_);
    if (deferred_.load(std::memory_order_relaxed)) return SplitColour(source_->At(x, y));
  }
  const size_t i = Index(x, y);
  return {r_[i], g_[i], b_[i]};
}

Picture ChannelPlanes::PendingSource() const {
  std::lock_guard lock(settling_);
  return deferred_.load(std::memory_order_relaxed) ? source_ : nullptr;
}

void ChannelPlanes::DeferLoad(Picture source, int threads) {
  std::lock_guard lock(settling_);
  source_ = std::move(source);
  threads_ = threads;
  deferred_.store(source_ != nullptr, std::memory_order_release);
}

Picture ChannelPlanes::TakeDeferredLoad() {
  std::lock_guard lock(settling_);
  deferred_.store(false, std::memory_order_release);
  return std::move(source_);
}

void ChannelPlanes::LoadRows(const PixelBuffer& source, int x, int y0, int y1) {
  const size_t base = Index(x, y0);
  SplitColumn(source.Column(x) + y0, r_ + base, g_ + base, b_ + base, y1 - y0);
}

// Threads that meet a pending load together wait for the one that settles it.
void ChannelPlanes::SettleDeferredLoad() const {
  std::lock_guard lock(settling_);
  if (!deferred_.load(std::memory_order_relaxed)) return;
  auto& self = const_cast<ChannelPlanes&>(*this);
  ForColumnRuns(threads_, width_, [&self](int first, int end, bool) {
    for (int x = first; x < end; ++x) self.LoadColumn(*self.source_, x);
  });
  source_.reset();
  deferred_.store(false, std::memory_order_release);
}

}  // namespace pixmora
