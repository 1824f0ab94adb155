// The picture every speed comparison uses: a photograph-like 6000 x 4000
// landscape, painted once and shared.
#pragma once
#include <cstdint>

#include "core/picture.h"

namespace pixmora::bench {

inline constexpr int kWidth = 6000, kHeight = 4000;

const Picture& Photo();

// A photograph-like landscape of any size with the grain of a camera's
// sensor (a few levels of noise in every channel), the same for the same
// seed: what folder runs are timed on.
Picture NoisyPhoto(int width, int height, uint32_t seed);

}  // namespace pixmora::bench
