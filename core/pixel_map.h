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

// A per-pixel kernel (see RunPerPixel) on one pixel whose plane cells would
// load from the colour `in`: the pixel's colour after it, `out` when the
// kernel writes nothing.
template <class Kernel>
inline ColorRef KernelOnColour(Kernel& kernel, ColorRef in, ColorRef out) {
  Channels cells = ChannelBytes(in);
  ColorRef c = 0;
  return kernel.Pixel(cells.r, cells.g, cells.b, c) ? c : out;
}

template <class Kernel>
PixelMap MapOf(Kernel kernel) {
  static_assert(Kernel::kIndependentPixels, "only a kernel whose pixels are independent can be mapped");
  return [kernel](ColorRef* pixels, int count) mutable {
    for (int i = 0; i < count; ++i) pixels[i] = KernelOnColour(kernel, pixels[i], pixels[i]);
  };
}

}  // namespace pixmora
