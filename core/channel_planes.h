// The three channel planes PlaneR, PlaneG, PlaneB: 32-bit signed values indexed
// (x, y), stored column by column like the surfaces.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/large_array.h"

namespace pixmora {

class ChannelPlanes {
 public:
  int Width() const { return width_; }    // x runs 0 .. Width() - 1
  int Height() const { return height_; }  // y runs 0 .. Height() - 1
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  size_t Index(int x, int y) const { return static_cast<size_t>(x) * height_ + y; }

  int32_t* PlaneR() { return r_.get(); }
  int32_t* PlaneG() { return g_.get(); }
  int32_t* PlaneB() { return b_.get(); }
  const int32_t* PlaneR() const { return r_.get(); }
  const int32_t* PlaneG() const { return g_.get(); }
  const int32_t* PlaneB() const { return b_.get(); }

  int32_t& R(int x, int y) { return r_[Index(x, y)]; }
  int32_t& G(int x, int y) { return g_[Index(x, y)]; }
  int32_t& B(int x, int y) { return b_[Index(x, y)]; }

  // Discards the contents; every element becomes 0.
  void Resize(int width, int height);

 private:
  int width_ = 0;
  int height_ = 0;
  LargeArray<int32_t> r_, g_, b_;
};

}  // namespace pixmora
