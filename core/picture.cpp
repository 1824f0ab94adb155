#include "core/picture.h"

#include <algorithm>
#include <cstring>

#include "core/call_context.h"
#include "core/column_runs.h"

namespace pixmora {

PixelBuffer::PixelBuffer(int width, int height)
    : width_(width), height_(height), pixels_(MakeLargeArray<ColorRef>(Count())) {}

PixelBuffer::PixelBuffer(int width, int height, ForOverwrite)
    : width_(width), height_(height), pixels_(MakeLargeArray<ColorRef>(Count(), false)) {}

PixelBuffer::PixelBuffer(int width, int height, ColorRef fill) : PixelBuffer(width, height, ForOverwrite{}) {
  Fill(fill);
}

PixelBuffer::PixelBuffer(const PixelBuffer& other) : PixelBuffer(other.width_, other.height_, ForOverwrite{}) {
  std::memcpy(pixels_.get(), other.pixels_.get(), Count() * sizeof(ColorRef));
  alpha_ = other.alpha_;
}

// A large picture fills faster on every core than one core's stores go.
void PixelBuffer::Fill(ColorRef c) {
  ForColumnRuns(CallContext::ThreadsFor(Count()), width_, [this, c](int first, int end, bool) {
    std::fill_n(Column(first), static_cast<size_t>(end - first) * height_, c);
  });
}

Picture MakePicture(int width, int height, ColorRef fill) {
  return std::make_shared<const PixelBuffer>(width, height, fill);
}

Picture WithAlpha(Picture picture, Alpha alpha) {
  if (!picture || picture->GetAlpha() == alpha) return picture;
  // Held by no one else, the picture cannot be seen to change.
  auto changed = picture.use_count() == 1 ? std::const_pointer_cast<PixelBuffer>(std::move(picture))
                                          : std::make_shared<PixelBuffer>(*picture);
  changed->SetAlpha(std::move(alpha));
  return changed;
}

}  // namespace pixmora
