// The three channel planes PlaneR, PlaneG, PlaneB: 32-bit signed values indexed
// (x, y), stored column by column like the surfaces.
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>

#include "core/large_array.h"
#include "core/picture.h"

namespace pixmora {

class ChannelPlanes {
 public:
  int Width() const { return width_; }    // x runs 0 .. Width() - 1
  int Height() const { return height_; }  // y runs 0 .. Height() - 1
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  size_t Index(int x, int y) const { return static_cast<size_t>(x) * height_ + y; }

  int32_t* PlaneR() { return Settle(), r_; }
  int32_t* PlaneG() { return Settle(), g_; }
  int32_t* PlaneB() { return Settle(), b_; }
  const int32_t* PlaneR() const { return Settle(), r_; }
  const int32_t* PlaneG() const { return Settle(), g_; }
  const int32_t* PlaneB() const { return Settle(), b_; }

  int32_t& R(int x, int y) { return PlaneR()[Index(x, y)]; }
  int32_t& G(int x, int y) { return PlaneG()[Index(x, y)]; }
  int32_t& B(int x, int y) { return PlaneB()[Index(x, y)]; }

  // The three values of one cell, without settling a deferred load (which
  // then reads the cell from its source).
  Channels Peek(int x, int y) const;

  // Discards the contents; every element becomes 0. Throws std::bad_alloc,
  // leaving the planes empty, when their memory cannot be had.
  void Resize(int width, int height);
  // The memory the planes hold, for PrefaultLarge.
  std::pair<void*, size_t> Memory() const;

  // Every cell takes the red, green and blue of the source pixel at its place
  // (a picture of the planes' size), but only when the planes are next read
  // or written, using `threads` threads; or column by column, by a pass that
  // takes the load over (TakeDeferredLoad). A pass that treats one column at
  // a time then finds each column in the cache instead of crossing memory
  // once more for it.
  void DeferLoad(Picture source, int threads);
  // Whether a deferred load is pending: every cell then holds a channel value
  // (0..255) of its source picture.
  bool LoadPending() const { return deferred_.load(std::memory_order_acquire); }
  // The picture of a pending load, left pending; null when none is.
  Picture PendingSource() const;
  // The picture of a deferred load, which the caller now owes the planes
  // column by column (LoadColumn); null when none is pending.
  Picture TakeDeferredLoad();
  // Splits column x of source (a picture of the planes' size) into the
  // planes: all of it, or the rows y0 .. y1 - 1.
  void LoadColumn(const PixelBuffer& source, int x) { LoadRows(source, x, 0, height_); }
  void LoadRows(const PixelBuffer& source, int x, int y0, int y1);

 private:
  void Settle() const {
    if (deferred_.load(std::memory_order_acquire)) [[unlikely]]
      SettleDeferredLoad();
  }
  void SettleDeferredLoad() const;

  int width_ = 0;
  int height_ = 0;
  // The three planes in one block, each starting a third of a 4 KB page after
  // the one before: a store to one plane and a load from another at the same
  // index then never look alike to the processor's memory ordering checks,
  // which compare only the low 12 address bits (and would stall the load).
  LargeArray<int32_t> cells_;
  int32_t *r_ = nullptr, *g_ = nullptr, *b_ = nullptr;
  // A pending load; the planes' contents are its source's until it is settled.
  mutable std::atomic<bool> deferred_{false};
  mutable std::mutex settling_;
  mutable Picture source_;
  int threads_ = 1;
};

// The red, green and blue of count pixels into three plane columns.
void SplitColumn(const ColorRef* in, int32_t* r, int32_t* g, int32_t* b, int count);

}  // namespace pixmora
