#include "ops/image/geometry.h"

#include <algorithm>
#include <memory>

#include "core/column_runs.h"

namespace pixmora {

namespace {

// A new picture of that size whose column x move(in, x, out) fills from in:
// from the picture's colours, and from its alpha when it has transparency,
// so that the alpha moves exactly as the colours do.
template <class Move>
Picture Made(const CallContext& call, const PixelBuffer& picture, int width, int height, Move move) {
  auto made = std::make_shared<PixelBuffer>(width, height);
  const Alpha& alpha = picture.GetAlpha();
  auto moved = alpha ? std::make_shared<AlphaPlane>(width, height) : nullptr;
  ForColumnRuns(call.threads, width, [&](int first, int end, bool) {
    for (int x = first; x < end; ++x) {
      call.StopIfCancelled();
      move(picture, x, made->Column(x));
      if (moved) move(*alpha, x, moved->Column(x));
    }
  });
  made->SetAlpha(KeptAlpha(std::move(moved)));  // a crop may leave only opaque pixels
  return made;
}

}  // namespace

Picture Cropped(const CallContext& call, const PixelBuffer& picture, const Box& box) {
  return Made(call, picture, box.width, box.height, [&](const auto& in, int x, auto* out) {
    const auto* column = in.Column(box.x + x) + box.y;
    std::copy(column, column + box.height, out);
  });
}

Picture Mirrored(const CallContext& call, const PixelBuffer& picture, Mirror mirror) {
  const int w = picture.Width(), h = picture.Height();
  return Made(call, picture, w, h, [&](const auto& in, int x, auto* out) {
    if (mirror == Mirror::Horizontal) std::copy_n(in.Column(w - 1 - x), h, out);
    else std::reverse_copy(in.Column(x), in.Column(x) + h, out);
  });
}

Picture Turned(const CallContext& call, const PixelBuffer& picture, QuarterTurn turn) {
  // Column x of the turned picture is row x of the picture, read from its
  // last column to its first (left) or from its first to its last (right).
  const int w = picture.Width(), h = picture.Height();
  const bool left = turn == QuarterTurn::Left;
  const ptrdiff_t step = left ? -ptrdiff_t{h} : ptrdiff_t{h};
  return Made(call, picture, h, w, [&](const auto& in, int x, auto* out) {
    const size_t row = left ? static_cast<size_t>(x) : static_cast<size_t>(h - 1 - x);
    const auto* first = in.Data() + row + (left ? static_cast<size_t>(w - 1) * h : 0);
    for (int y = 0; y < w; ++y) out[y] = first[y * step];
  });
}

}  // namespace pixmora
