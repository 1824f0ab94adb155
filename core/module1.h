// The state the operation routines share by design: the channel planes, the
// loop counters, the scratch colour and the random source. What belongs to
// one call (progress, threads, cancelling) comes with it in a CallContext.
#pragma once
#include <cstdint>

#include "core/channel_planes.h"
#include "core/random_source.h"

namespace pixmora {

struct Module1 {
  ChannelPlanes planes;
  int16_t LoopX = 0;
  int16_t LoopY = 0;
  int32_t PixelColour = 0;
  RandomSource random;
};

}  // namespace pixmora
