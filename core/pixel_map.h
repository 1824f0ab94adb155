// PixelMap: a per-pixel routine on a band of rows.
#pragma once
#include <functional>

#include "core/colour_ref.h"

namespace pixmora {

// An independent per-pixel routine as a function on a run of pixels, for a
// pass that holds a band of rows rather than the picture: each pixel becomes
// what the routine makes of it where an operation menu runs it (an opaque
// picture, planes of its size, the result starting as the picture, no
// selection). The pixels are changed in place.
using PixelMap = std::function<void(ColorRef* pixels, int count)>;

template <class Kernel>
PixelMap MapOf(Kernel kernel) {
  static_assert(Kernel::kIndependentPixels, "only a kernel whose pixels are independent can be mapped");
  return [kernel](ColorRef* pixels, int count) mutable {
    for (int i = 0; i < count; ++i) {
      Channels cells = ChannelBytes(pixels[i]);
      ColorRef c = 0;
      const bool write = kernel.Pixel(cells.r, cells.g, cells.b, c);
      pixels[i] = write ? c : pixels[i];
    }
  };
}

}  // namespace pixmora
