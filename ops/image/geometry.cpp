#include "ops/image/geometry.h"

#include <algorithm>
#include <memory>

#include "core/column_runs.h"

namespace pixmora {

namespace {

// A new picture of that size whose column x column(x, out) fills.
template <class Column>
Picture Made(const CallContext& call, int width, int height, Column column) {
  auto made = std::make_shared<PixelBuffer>(width, height);
  ForColumnRuns(call.threads, width, [&](int first, int end, bool) {
    for (int x = first; x < end; ++x) {
      call.StopIfCancelled();
      column(x, made->Column(x));
    }
  });
  return made;
}

}  // namespace

Picture Cropped(const CallContext& call, const PixelBuffer& picture, const Box& box) {
  return Made(call, box.width, box.height, [&](int x, ColorRef* out) {
    const ColorRef* in = picture.Column(box.x + x) + box.y;
    std::copy(in, in + box.height, out);
  });
}

Picture Mirrored(const CallContext& call, const PixelBuffer& picture, Mirror mirror) {
  const int w = picture.Width(), h = picture.Height();
  return Made(call, w, h, [&](int x, ColorRef* out) {
    if (mirror == Mirror::Horizontal) std::copy_n(picture.Column(w - 1 - x), h, out);
    else std::reverse_copy(picture.Column(x), picture.Column(x) + h, out);
  });
}

Picture Turned(const CallContext& call, const PixelBuffer& picture, QuarterTurn turn) {
  // Column x of the turned picture is row x of the picture, read from its
  // last column to its first (left) or from its first to its last (right).
  const int w = picture.Width(), h = picture.Height();
  const ColorRef* in = picture.Data();
  return Made(call, h, w, [&](int x, ColorRef* out) {
    const size_t row = turn == QuarterTurn::Left ? static_cast<size_t>(x) : static_cast<size_t>(h - 1 - x);
    for (int y = 0; y < w; ++y) {
      const int from = turn == QuarterTurn::Left ? w - 1 - y : y;
      out[y] = in[static_cast<size_t>(from) * h + row];
    }
  });
}

}  // namespace pixmora
