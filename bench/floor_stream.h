// The streaming floors the per-pixel commands are measured against, passes
// over the three column-major channel planes that pack each pixel into a
// buffer of the same layout and do nothing else:
// - StreamPlanes also writes every cell back (28 bytes a pixel: the planes
//   read and written, the pixel written), the memory traffic of the plainest
//   command that keeps its planes;
// - PackPlanes only reads them (16 bytes a pixel), a stricter bound.
#pragma once
#include "core/channel_planes.h"
#include "core/picture.h"

namespace pixmora::bench {

// Both over every cell of the planes into out (of the planes' size), the
// columns shared out among `threads` threads like the commands' own.
void StreamPlanes(ChannelPlanes& planes, PixelBuffer& out, int threads);
void PackPlanes(const ChannelPlanes& planes, PixelBuffer& out, int threads);

}  // namespace pixmora::bench
