// A picture lent to FreeImage's encoders as a 24-bit bitmap (32-bit with its
// alpha, when asked for and it has transparency) whose rows live in our own
// memory (kept mappings, see large_array.h): FreeImage would zero a fresh block
// of its own first, page by page.
#pragma once
#include <FreeImage.h>

#include <cstdint>

#include "core/large_array.h"
#include "core/picture.h"

namespace pixmora {

class PictureBitmap {
 public:
  // Throws std::bad_alloc when there is no memory for it.
  explicit PictureBitmap(const PixelBuffer& picture, bool keepAlpha = false);
  ~PictureBitmap();
  PictureBitmap(const PictureBitmap&) = delete;
  PictureBitmap& operator=(const PictureBitmap&) = delete;

  // Valid while this object lives; never unload it.
  FIBITMAP* Get() const { return bitmap_; }

 private:
  LargeArray<uint8_t> rows_;
  FIBITMAP* bitmap_ = nullptr;
};

}  // namespace pixmora
