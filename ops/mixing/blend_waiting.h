// A whole-target blend while the planes wait for a picture of the target's
// size: each pixel's cells would hold that picture's channels (0..255), so
// they are read from the picture instead, the result is written straight
// into the target, and the planes then wait for the result, whose channels
// are the cells the statements leave (a blend of bytes towards a colour
// stays within 0..255). The planes, four times a picture's memory, are
// neither split nor stored. A read that is not a colour (a pixel put there
// from outside a picture) leaves cells of its own: those are kept aside and
// put in when the planes are loaded.
#pragma once
#include <map>
#include <mutex>
#include <vector>

#include "core/call_context.h"
#include "core/channel_planes.h"
#include "core/colour_ref.h"
#include "core/module1.h"
#include "core/operation_frame.h"
#include "core/picture_surface.h"
#include "ops/mixing/region_columns.h"

namespace pixmora {

// The cells of pixels whose result's channels do not give them, by column.
class OddCells {
 public:
  struct Cell {
    int y;
    int32_t r, g, b;
  };
  void Keep(int x, std::vector<Cell> cells) {
    if (cells.empty()) return;
    const std::lock_guard lock(mutex_);
    byColumn_[x] = std::move(cells);
  }
  // Puts them in when the planes are loaded; nothing when there are none.
  CellTreatment Treatment(int columns, int rows) {
    if (byColumn_.empty()) return {};
    return {[cells = std::move(byColumn_)](int x, int y, int32_t* R, int32_t* G, int32_t* B, int count) {
              const auto column = cells.find(x);
              if (column == cells.end()) return;
              for (const Cell& c : column->second)
                if (c.y >= y && c.y < y + count) R[c.y - y] = c.r, G[c.y - y] = c.g, B[c.y - y] = c.b;
            },
            columns, rows};
  }

 private:
  std::mutex mutex_;
  std::map<int, std::vector<Cell>> byColumn_;
};

// Column x pixel by pixel, from the cells start's bytes give; in may be out.
template <class Pixel>
std::vector<OddCells::Cell> BlendColumnFromBytes(const Pixel& pixel, const ColorRef* start, const ColorRef* in,
                                                 ColorRef* out, int count) {
  std::vector<OddCells::Cell> odd;
  for (int y = 0; y < count; ++y) {
    const Channels s = ChannelBytes(start[y]);
    int32_t R = s.r, G = s.g, B = s.b;
    const ColorRef c = in[y];
    ColorRef colour;
    if (pixel(R, G, B, c, SplitColour(c), colour)) out[y] = colour;
    const Channels left = ChannelBytes(out[y]);  // what loading the result gives
    if (left.r != R || left.g != G || left.b != B) odd.push_back({y, R, G, B});
  }
  return odd;
}

// Answers false, having done nothing, unless the planes wait for a picture
// of the target's size and the source (the target itself, painted over an
// underlay, or another picture of its size) covers it.
template <class KernelAt, class Progress>
bool BlendFromWaitingPicture(Module1& m, const CallContext& call, PictureSurface& target,
                             const PictureSurface& source, KernelAt& kernelAt, Progress& progress,
                             Underlay& underlay) {
  using Pixel = decltype(kernelAt(0));
  if constexpr (!requires(const Pixel& p, ColorRef* c) { p.FromColours(c, c, c, 0); }) {
    return false;
  } else {
    ChannelPlanes& planes = m.planes;
    const int w = target.Width(), h = target.Height();
    const PixelBuffer* other = &source == &target ? nullptr : source.ImageBuffer();
    if (w <= 0 || h <= 0 || (other && (other->Width() != w || other->Height() != h))) return false;
    Picture start = SetAsideLoadOfSize(planes, target);
    if (!start) return false;
    PlanesWaitForResult waiting(planes, std::move(start), target, call.threads);
    const PixelBuffer& cells = waiting.Source();
    // Its own pixels come in column by column; reading another picture, the
    // target's are needed only under a read that is not a colour.
    ColumnFeed feed(planes, target, true, 0, std::move(underlay));
    PixelBuffer& out = feed.Image();
    OddCells odd;
    ColorRef lastRead = 0;
    ForRegionColumns(
        call, 0, w - 1,
        [&](int x) {
          if (!other) feed.Prepare(x);
          const ColorRef* in = other ? other->Column(x) : out.Column(x);
          if (x == w - 1) lastRead = in[h - 1];  // before the column writes
          const Pixel pixel = kernelAt(x);
          if (pixel.FromColours(cells.Column(x), in, out.Column(x), h)) return;
          if (other) feed.Prepare(x);
          odd.Keep(x, BlendColumnFromBytes(pixel, cells.Column(x), in, out.Column(x), h));
        },
        progress);
    waiting.Done(odd.Treatment(w, h));
    m.PixelColour = static_cast<int32_t>(lastRead);
    m.LoopX = LoopEnd(0, w - 1);
    m.LoopY = LoopEnd(0, h - 1);
    return true;
  }
}

}  // namespace pixmora
