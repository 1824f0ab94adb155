// The three channel planes PlaneR, PlaneG, PlaneB: 32-bit signed values indexed
// (x, y), stored column by column like the surfaces. Their memory (12 bytes a
// pixel, three times a picture's) is made when a cell is first read or
// written, so that commands that read a picture's own pixels never need it.
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

#include "core/large_array.h"
#include "core/picture.h"

namespace pixmora {

// What a pass did to the cells of a pending load without making them: the
// columns 0 .. columns - 1, once split, went through treat(x, y, R, G, B,
// count) on their rows 0 .. rows - 1, R, G and B pointing at the cells of
// rows y .. y + count - 1 of column x.
struct CellTreatment {
  std::function<void(int, int, int32_t*, int32_t*, int32_t*, int)> treat;
  int columns = 0, rows = 0;
};

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

  // Discards the contents and gives their memory back; every element becomes
  // 0. The memory is made again when a cell is first read or written, which
  // throws std::bad_alloc when it cannot be had.
  void Resize(int width, int height);

  // Every cell takes the red, green and blue of the source pixel at its place
  // (a picture of the planes' size), but only when the planes are next read
  // or written, using `threads` threads; or column by column, by a pass that
  // takes the load over (TakeDeferredLoad). A pass that treats one column at
  // a time then finds each column in the cache instead of crossing memory
  // once more for it.
  // With a treatment, the cells are then those the treatment leaves.
  void DeferLoad(Picture source, int threads, CellTreatment treated = {});
  // Whether a deferred load is pending: every cell then holds a channel value
  // (0..255) of its source picture.
  bool LoadPending() const { return deferred_.load(std::memory_order_acquire); }
  // The picture of a pending load, left pending; null when none is.
  Picture PendingSource() const;
  // The picture of a deferred load, which the caller now owes the planes
  // column by column (LoadColumn); null when none is pending (a load with a
  // treatment is settled here instead).
  Picture TakeDeferredLoad();
  // The picture of a deferred load without a treatment, taken for a pass
  // that reads it instead of the planes and gives it back with DeferLoad;
  // the planes' memory is not made for it. Null when there is none.
  Picture SetAsideLoad();
  // Splits column x of source (a picture of the planes' size) into the
  // planes: all of it, or the rows y0 .. y1 - 1.
  void LoadColumn(const PixelBuffer& source, int x) { LoadRows(source, x, 0, height_); }
  void LoadRows(const PixelBuffer& source, int x, int y0, int y1);

 private:
  void Settle() const {
    if (!ready_.load(std::memory_order_acquire)) [[unlikely]]
      SettleDeferredLoad();
  }
  void SettleDeferredLoad() const;
  void SettleLocked() const;  // under settling_
  // Makes the cells' memory if it is not made yet; under settling_.
  void MakeCells() const;

  int width_ = 0;
  int height_ = 0;
  // The three planes in one block, each starting a third of a 4 KB page after
  // the one before: a store to one plane and a load from another at the same
  // index then never look alike to the processor's memory ordering checks,
  // which compare only the low 12 address bits (and would stall the load).
  mutable LargeArray<int32_t> cells_;
  mutable int32_t *r_ = nullptr, *g_ = nullptr, *b_ = nullptr;
  // A pending load; the planes' contents are its source's until it is settled.
  mutable std::atomic<bool> deferred_{false};
  // The cells are made and no load is pending: a read or write goes straight on.
  mutable std::atomic<bool> ready_{true};
  mutable std::mutex settling_;
  mutable Picture source_;
  mutable CellTreatment treated_;
  int threads_ = 1;
};

// The red, green and blue of count pixels into three plane columns.
void SplitColumn(const ColorRef* in, int32_t* r, int32_t* g, int32_t* b, int count);

}  // namespace pixmora
