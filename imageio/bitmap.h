// Bitmap: a FreeImage bitmap with one owner, unloaded when the owner goes, so
// that no path of a caller (an early return, an exception) can leak one.
#pragma once
#include <FreeImage.h>

#include <memory>

namespace pixmora {

struct BitmapUnloader {
  void operator()(FIBITMAP* bitmap) const {
    if (bitmap) FreeImage_Unload(bitmap);
  }
};
using Bitmap = std::unique_ptr<FIBITMAP, BitmapUnloader>;

}  // namespace pixmora
