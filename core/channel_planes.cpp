#include "core/channel_planes.h"

namespace pixmora {

void ChannelPlanes::Resize(int width, int height) {
  const size_t n = static_cast<size_t>(width > 0 ? width : 0) * (height > 0 ? height : 0);
  // Release before allocating, so that peak memory holds one set of planes.
  r_.reset(), g_.reset(), b_.reset();
  width_ = n ? width : 0;
  height_ = n ? height : 0;
  r_ = MakeLargeArray<int32_t>(n);
  g_ = MakeLargeArray<int32_t>(n);
  b_ = MakeLargeArray<int32_t>(n);
}

}  // namespace pixmora
