#include "core/alpha_plane.h"

#include <algorithm>

namespace pixmora {

AlphaPlane::AlphaPlane(int width, int height)
    : width_(width), height_(height), values_(MakeLargeArray<uint8_t>(Count())) {}

bool AlphaPlane::Opaque() const {
  return std::all_of(values_.get(), values_.get() + Count(), [](uint8_t a) { return a == 255; });
}

Alpha KeptAlpha(std::shared_ptr<AlphaPlane> plane) {
  if (!plane || plane->Opaque()) return nullptr;
  return plane;
}

}  // namespace pixmora
