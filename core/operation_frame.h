// The frame every operation routine follows: busy mark on, progress bar over
// the columns, columns outer and rows inner, busy mark off, progress back to 0.
#pragma once
#include <algorithm>

#include "core/colour_ref.h"
#include "core/module1.h"
#include "core/picture_surface.h"

namespace pixmora {

class OperationFrame {
 public:
  enum class Progress { Columns, Untouched, ResetOnly };

  // progressMax is the bar's Max (target width - 1 for most routines).
  OperationFrame(Module1& m, double progressMax, Progress mode = Progress::Columns)
      : m_(m), mode_(mode) {
    m_.hooks->SetBusyMark(true);
    if (mode_ == Progress::Columns) m_.hooks->SetProgressRange(0, progressMax);
  }
  ~OperationFrame() {
    m_.hooks->SetBusyMark(false);
    if (mode_ != Progress::Untouched) m_.hooks->SetProgressValue(0);
  }
  OperationFrame(const OperationFrame&) = delete;
  OperationFrame& operator=(const OperationFrame&) = delete;

  void Step(int value) {
    if (mode_ == Progress::Columns) m_.hooks->SetProgressValue(value);
  }

 private:
  Module1& m_;
  Progress mode_;
};

// The frame's loop over the target's columns: column(x, out, rows) for each
// column x in order, out being the target column and rows the number of its
// pixels (from the top) that the planes cover, 0 for a column beyond them.
// Leaves the loop counters as the loops end.
template <class Column>
void ForEachColumn(Module1& m, PictureSurface& target, Column column) {
  const int w = target.Width(), h = target.Height();
  OperationFrame frame(m, w - 1.0);
  if (w <= 0) return;
  PixelBuffer& image = target.MutableImage();
  const int inW = std::min(w, m.planes.Width()), inH = std::min(h, m.planes.Height());
  for (int x = 0; x < w; ++x) {
    column(x, image.Column(x), x < inW ? inH : 0);
    frame.Step(x);
  }
  m.LoopX = static_cast<int16_t>(std::min(w, 32767));
  m.LoopY = static_cast<int16_t>(std::min(h, 32767));
}

// Runs a per-pixel routine over the target in the frame's order. The kernel
// holds the statements of one pixel:
//   bool Pixel(int32_t& R, int32_t& G, int32_t& B, ColorRef& out)
//     runs the statements on the pixel's plane values (stored back at once)
//     and answers whether the pixel write happens, with its colour;
//   bool Outside(ColorRef& out)
//     a pixel the planes do not cover: every statement that touches a plane
//     is abandoned; answers whether something is still written.
template <class Kernel>
void RunPerPixel(Module1& m, PictureSurface& target, Kernel& kernel) {
  ChannelPlanes& planes = m.planes;
  const int h = target.Height();
  ForEachColumn(m, target, [&planes, &kernel, h](int x, ColorRef* out, int rows) {
    int y = 0;
    if (rows > 0) {
      const size_t base = planes.Index(x, 0);
      int32_t* R = planes.PlaneR() + base;
      int32_t* G = planes.PlaneG() + base;
      int32_t* B = planes.PlaneB() + base;
      for (; y < rows; ++y) {
        ColorRef c;
        if (kernel.Pixel(R[y], G[y], B[y], c)) out[y] = c;
      }
    }
    for (; y < h; ++y) {
      ColorRef c;
      if (kernel.Outside(c)) out[y] = c;
    }
  });
}

// Most kernels write nothing outside the planes.
struct NothingOutside {
  bool Outside(ColorRef&) { return false; }
};

}  // namespace pixmora
