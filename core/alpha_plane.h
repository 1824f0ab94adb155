// How opaque each pixel of a picture is: 0 transparent to 255 opaque, a byte
// a pixel, stored column by column like the colour. A picture holds a plane
// only while some pixel is not opaque, and a plane given to a picture is
// never changed again: pictures of the same transparency (image A and every
// result made from it) share one.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/large_array.h"

namespace pixmora {

class AlphaPlane {
 public:
  // Every pixel starts transparent (0).
  AlphaPlane(int width, int height);
  AlphaPlane(const AlphaPlane&) = delete;
  AlphaPlane& operator=(const AlphaPlane&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  size_t Count() const { return static_cast<size_t>(width_) * static_cast<size_t>(height_); }

  uint8_t* Data() { return values_.get(); }
  const uint8_t* Data() const { return values_.get(); }
  uint8_t* Column(int x) { return values_.get() + static_cast<size_t>(x) * height_; }
  const uint8_t* Column(int x) const { return values_.get() + static_cast<size_t>(x) * height_; }
  uint8_t At(int x, int y) const { return values_[static_cast<size_t>(x) * height_ + y]; }
  void Set(int x, int y, uint8_t a) { values_[static_cast<size_t>(x) * height_ + y] = a; }

  // Whether every pixel is opaque.
  bool Opaque() const;

 private:
  int width_;
  int height_;
  LargeArray<uint8_t> values_;
};

// A picture's transparency; null when every pixel is opaque.
using Alpha = std::shared_ptr<const AlphaPlane>;

// The plane as a picture keeps it: null when every pixel is opaque.
Alpha KeptAlpha(std::shared_ptr<AlphaPlane> plane);

}  // namespace pixmora
