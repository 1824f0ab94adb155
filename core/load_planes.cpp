#include "core/load_planes.h"

#include <algorithm>

#include "core/colour_ref.h"
#include "core/operation_frame.h"

namespace pixmora {

void SizePlanes(Module1& m, const PictureSurface& pic1) {
  m.planes.Resize(pic1.Width(), pic1.Height());
}

namespace {

// Whether the rectangle covers every cell of the planes and pic1 is exactly
// their size: then the planes take pic1's picture whole, which can wait for
// the pass that reads them.
bool LoadsWholePicture(const ChannelPlanes& p, const PictureSurface& pic1, int x0, int y0,
                       int x1, int y1) {
  return p.Width() > 0 && pic1.Width() == p.Width() && pic1.Height() == p.Height() && x0 <= 0 &&
         y0 <= 0 && x1 >= p.Width() - 1 && y1 >= p.Height() - 1;
}

// Reads pic1's pixels of the rectangle's cells that lie inside the planes.
// Each column fills only its own cells: the columns are shared out among the threads.
void LoadRectangle(Module1& m, const CallContext& call, const PictureSurface& pic1, int xFrom,
                   int xTo, int yFrom, int yTo) {
  ChannelPlanes& p = m.planes;
  const int picH = pic1.Height();
  auto column = [&](int x) {
    const size_t base = p.Index(x, 0);
    int32_t *r = p.PlaneR() + base, *g = p.PlaneG() + base, *b = p.PlaneB() + base;
    int y = yFrom;
    if (x < pic1.Width() && yFrom < picH) {
      const int inside = std::min(yTo + 1, picH);
      SplitColumn(pic1.ImageBuffer()->Column(x) + y, r + y, g + y, b + y, inside - y);
      y = inside;
    }
    for (; y <= yTo; ++y) {
      const Channels c = SplitColour(pic1.Point(x, y));
      r[y] = c.r, g[y] = c.g, b[y] = c.b;
    }
  };
  ForColumnRuns(call.threads, std::max(xTo - xFrom + 1, 0), [&](int first, int end, bool) {
    for (int i = first; i < end; ++i) {
      call.StopIfCancelled();
      column(xFrom + i);
    }
  });
}

}  // namespace

void LoadPlanes(Module1& m, const CallContext& call, const PictureSurface& pic1,
                PictureSurface& pic4, int16_t x0, int16_t y0, int16_t x1, int16_t y1) {
  pic4.SetPicture(pic1.GetPicture());
  OperationFrame frame(call, 0, OperationFrame::Progress::Untouched);  // the busy mark
  ChannelPlanes& p = m.planes;
  if (LoadsWholePicture(p, pic1, x0, y0, x1, y1)) {
    p.DeferLoad(pic1.Image(), call.threads);
  } else {
    // Only cells inside the planes are stored; the rest of the rectangle is read for nothing.
    LoadRectangle(m, call, pic1, std::max<int>(x0, 0), std::min<int>(x1, p.Width() - 1),
                  std::max<int>(y0, 0), std::min<int>(y1, p.Height() - 1));
  }
  if (x0 <= x1 && y0 <= y1) {
    m.PixelColour = static_cast<int32_t>(pic1.Point(x1, y1));
    m.LoopX = static_cast<int16_t>(std::min(x1 + 1, 32767));
    m.LoopY = static_cast<int16_t>(std::min(y1 + 1, 32767));
  }
}

}  // namespace pixmora
