// One arctangent, square root, sine and cosine per offset (i, j) serve four
// destination pixels, one in each quadrant around the destination centre,
// related by quarter turns. The writes keep their sequential order: on the
// axes two offsets reach the same pixel, and the later one wins.
#include "ops/mixing/rotate_image.h"

#include <algorithm>
#include <atomic>
#include <cmath>

#include "core/column_runs.h"
#include "core/numeric.h"

namespace pixmora {

namespace {

constexpr double kPi = 3.14159265359;
constexpr int kMaxSide = 32767;

// Half a size, rounded half to even.
int Centre(int size) { return static_cast<int>(RoundHalfEven(size / 2.0)); }

// A picture's pixels and size held by value: copied into the loops, they
// stay in registers, where a picture read through a reference would be read
// again after every pixel written (a pixel and a size may share memory, as
// far as the compiler knows).
template <class Pixel>
struct Grid {
  Pixel* pixels = nullptr;
  int width = 0, height = 0;  // none: holds no point
  Grid() = default;
  explicit Grid(auto& picture)
      : pixels(picture.Data()), width(picture.Width()), height(picture.Height()) {}
  bool Holds(int x, int y) const {
    return static_cast<unsigned>(x) < static_cast<unsigned>(width) &&
           static_cast<unsigned>(y) < static_cast<unsigned>(height);
  }
  Pixel& At(int x, int y) const { return pixels[static_cast<size_t>(x) * height + y]; }
};

// Point: the invalid colour outside the picture. A coordinate sum beyond 16
// bits lies outside every picture, so plain int arithmetic answers the same.
ColorRef Read(const Grid<const ColorRef>& src, int x, int y) {
  return src.Holds(x, y) ? src.At(x, y) : kInvalidColour;
}

// PSet of a read point, skipped when the point was outside the source;
// clipped to the destination.
void Write(const Grid<ColorRef>& dst, int x, int y, ColorRef c) {
  if (c != kInvalidColour && dst.Holds(x, y)) dst.At(x, y) = c;
}

// The alpha of a source point to a destination pixel, where the colour goes.
void Carry(const Grid<const uint8_t>& src, int sx, int sy, const Grid<uint8_t>& dst, int dx, int dy) {
  if (src.Holds(sx, sy) && dst.Holds(dx, dy)) dst.At(dx, dy) = src.At(sx, sy);
}

}  // namespace

void RotateImage(const CallContext& call, const PictureSurface& source, PictureSurface& destination,
                 float angle) {
  if (std::max({source.Width(), source.Height(), destination.Width(), destination.Height()}) >
      kMaxSide)
    return;
  PixelBuffer& dstPicture = destination.MutableImage();
  const bool inPlace = &source == &destination;
  const PixelBuffer& srcPicture = inPlace ? dstPicture : *source.ImageBuffer();
  const Grid<const ColorRef> src(srcPicture);
  const Grid<ColorRef> dst(dstPicture);
  // Transparent where no source point reaches.
  const Alpha srcAlpha = srcPicture.GetAlpha();
  auto turned = srcAlpha ? std::make_shared<AlphaPlane>(dst.width, dst.height) : nullptr;
  const Grid<const uint8_t> srcA = srcAlpha ? Grid<const uint8_t>(*srcAlpha) : Grid<const uint8_t>();
  const Grid<uint8_t> dstA = turned ? Grid<uint8_t>(*turned) : Grid<uint8_t>();
  const int cxs = Centre(src.width), cys = Centre(src.height);
  const int cxd = Centre(dst.width), cyd = Centre(dst.height);
  const int n = std::max(dst.width, dst.height);
  const int last = static_cast<int>(RoundHalfEven(n / 2.0 - 1));
  const float halfPi = static_cast<float>(kPi / 2);
  auto offset = [=](int i, int j) {
    const float theta = i != 0 ? static_cast<float>(std::atan(static_cast<double>(j) / i)) : halfPi;
    const double r = RoundHalfEven(std::sqrt(static_cast<double>(i * i + j * j)));
    const double phi = static_cast<double>(theta) + static_cast<double>(angle);
    const int dx = static_cast<int>(RoundHalfEven(r * std::cos(phi)));
    const int dy = static_cast<int>(RoundHalfEven(r * std::sin(phi)));
    const ColorRef p1 = Read(src, cxs + dx, cys + dy);
    const ColorRef p2 = Read(src, cxs - dx, cys - dy);
    const ColorRef p3 = Read(src, cxs + dy, cys - dx);
    const ColorRef p4 = Read(src, cxs - dy, cys + dx);
    Write(dst, cxd + i, cyd + j, p1);
    Write(dst, cxd - i, cyd - j, p2);
    Write(dst, cxd + j, cyd - i, p3);
    Write(dst, cxd - j, cyd + i, p4);
    Carry(srcA, cxs + dx, cys + dy, dstA, cxd + i, cyd + j);
    Carry(srcA, cxs - dx, cys - dy, dstA, cxd - i, cyd - j);
    Carry(srcA, cxs + dy, cys - dx, dstA, cxd + j, cyd - i);
    Carry(srcA, cxs - dy, cys + dx, dstA, cxd - j, cyd + i);
  };
  // Once every offset is done, the destination takes the turned alpha.
  const auto takeAlpha = [&dstPicture, &turned] {
    if (turned) dstPicture.SetAlpha(KeptAlpha(std::move(turned)));
  };
  if (inPlace || last < 1) {
    for (int i = 0; i <= last; ++i) {
      call.StopIfCancelled();
      for (int j = 0; j <= last; ++j) offset(i, j);
    }
    takeAlpha();
    return;
  }
  // The offsets on the axes write the centre lines, where they meet one
  // another: they run in their own order. Off the axes (i, j >= 1) every
  // offset writes four pixels of its own, one strictly inside each quadrant,
  // and reads only the source, so those run in any order: their rows are
  // shared out among the threads.
  for (int j = 0; j <= last; ++j) offset(0, j);
  for (int i = 1; i <= last; ++i) offset(i, 0);
  // Rows of offsets far from the centre mostly read outside the source and
  // cost little, so the threads take blocks of rows as they become free.
  constexpr int kBlock = 16;
  std::atomic<int> next{1};
  ForColumnRuns(call.threads, call.threads, [&call, &next, offset, last](int, int, bool) {
    for (int i0 = next.fetch_add(kBlock); i0 <= last; i0 = next.fetch_add(kBlock))
      for (int i = i0; i <= std::min(last, i0 + kBlock - 1); ++i) {
        call.StopIfCancelled();
        for (int j = 1; j <= last; ++j) offset(i, j);
      }
  });
  takeAlpha();
}

}  // namespace pixmora
