// The streaming floor the per-pixel commands are measured against: read the
// three column-major channel planes and pack each pixel into a buffer of the
// same layout, nothing else. A command cannot go faster than this pass.
#pragma once
#include "core/channel_planes.h"
#include "core/picture.h"

namespace pixmora::bench {

// Packs every cell of the planes into out (of the planes' size), the columns
// shared out among `threads` threads like the commands' own.
void StreamPlanes(const ChannelPlanes& planes, PixelBuffer& out, int threads);

}  // namespace pixmora::bench
