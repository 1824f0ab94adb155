// A picture: an immutable block of pixels that surfaces share until one of
// them writes (copy on write). Pixels are stored column by column, the order in
// which every operation walks them. Their colours are opaque colour values;
// a picture with transparency holds its alpha beside them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/alpha_plane.h"
#include "core/colour_ref.h"
#include "core/large_array.h"

namespace pixmora {

// Asks for a buffer whose every pixel the caller writes before any is read.
struct ForOverwrite {};

class PixelBuffer {
 public:
  // Pixels start as 0 (black).
  PixelBuffer(int width, int height);
  // Pixels start undefined.
  PixelBuffer(int width, int height, ForOverwrite);
  PixelBuffer(int width, int height, ColorRef fill);
  // The same colours, sharing other's transparency.
  PixelBuffer(const PixelBuffer& other);
  PixelBuffer& operator=(const PixelBuffer&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  size_t Count() const { return static_cast<size_t>(width_) * static_cast<size_t>(height_); }
  size_t Index(int x, int y) const { return static_cast<size_t>(x) * height_ + y; }

  ColorRef* Data() { return pixels_.get(); }
  const ColorRef* Data() const { return pixels_.get(); }
  ColorRef* Column(int x) { return pixels_.get() + static_cast<size_t>(x) * height_; }
  const ColorRef* Column(int x) const { return pixels_.get() + static_cast<size_t>(x) * height_; }
  ColorRef At(int x, int y) const { return pixels_[Index(x, y)]; }
  void Set(int x, int y, ColorRef c) { pixels_[Index(x, y)] = c; }
  void Fill(ColorRef c);

  // The transparency (see alpha_plane.h): null while every pixel is opaque.
  const Alpha& GetAlpha() const { return alpha_; }
  uint8_t AlphaAt(int x, int y) const { return alpha_ ? alpha_->At(x, y) : 255; }
  // alpha: null, or a plane of this buffer's size.
  void SetAlpha(Alpha alpha) { alpha_ = std::move(alpha); }

 private:
  int width_;
  int height_;
  LargeArray<ColorRef> pixels_;
  Alpha alpha_;
};

// A shared, read-only picture; null is the empty picture.
using Picture = std::shared_ptr<const PixelBuffer>;

Picture MakePicture(int width, int height, ColorRef fill);

// The picture's colours with that transparency (alpha null or of its size):
// the picture itself when it has it already or nothing else holds it, else
// a copy.
Picture WithAlpha(Picture picture, Alpha alpha);

}  // namespace pixmora
