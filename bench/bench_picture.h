// The picture every speed comparison uses: a photograph-like 6000 x 4000
// landscape, painted once and shared.
#pragma once
#include "core/picture.h"

namespace pixmora::bench {

inline constexpr int kWidth = 6000, kHeight = 4000;

const Picture& Photo();

}  // namespace pixmora::bench
