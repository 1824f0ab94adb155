// The frame every operation routine follows: busy mark on, progress bar over
// the columns, columns outer and rows inner, busy mark off, progress back to 0.
// The loops stop a cancelled call between two columns (CallCancelled).
#pragma once
#include <algorithm>
#include <cstring>
#include <functional>

#include "core/call_context.h"
#include "core/colour_ref.h"
#include "core/column_runs.h"
#include "core/module1.h"
#include "core/picture_surface.h"
#include "core/pixel_map.h"

namespace pixmora {

class OperationFrame {
 public:
  enum class Progress { Columns, Untouched, ResetOnly };

  // progressMax is the bar's Max (target width - 1 for most routines).
  OperationFrame(const CallContext& call, double progressMax, Progress mode = Progress::Columns)
      : hooks_(*call.hooks), mode_(mode) {
    hooks_.SetBusyMark(true);
    if (mode_ == Progress::Columns) hooks_.SetProgressRange(0, progressMax);
  }
  ~OperationFrame() {
    hooks_.SetBusyMark(false);
    if (mode_ != Progress::Untouched) hooks_.SetProgressValue(0);
  }
  OperationFrame(const OperationFrame&) = delete;
  OperationFrame& operator=(const OperationFrame&) = delete;

  void Step(int value) {
    if (mode_ == Progress::Columns) hooks_.SetProgressValue(value);
  }

 private:
  FrameHooks& hooks_;
  Progress mode_;
};

// What a pass's columns read, and so whether they may be treated at the same
// time and be fed their data one by one (ColumnFeed).
enum class ColumnOrder {
  InOrder,          // a column may read what an earlier one left: left to right
  OwnCellsInOrder,  // each column reads and writes only its own cells, but
                    // carries something on to the next one: left to right
  Independent,      // each column reads and writes only its own cells
};

// What a target shows before a pass that writes it column by column, put
// into each column by the pass's column feed just before the pass treats it
// (the target's pixels being undefined until then): fill(x, out, y0, y1)
// writes rows y0 .. y1 - 1 of column x into out. A shape painted over part
// of a large picture, or a pattern tiled over all of it, then costs no pass
// over the picture beforehand.
struct Underlay {
  std::function<void(int, ColorRef*, int, int)> fill;
};

// A picture, but for a rectangle painted over it that the target holds already.
inline Underlay PictureUnder(Picture picture, PixelRect painted = {}) {
  if (!picture) return {};
  return {[picture = std::move(picture), painted](int x, ColorRef* out, int y0, int y1) {
    const ColorRef* in = picture->Column(x);
    const auto copy = [in, out](int from, int to) {
      if (from < to) std::memcpy(out + from, in + from, (to - from) * sizeof(ColorRef));
    };
    if (x >= painted.x0 && x < painted.x1) {
      copy(y0, std::min(y1, painted.y0));
      copy(std::max(y0, painted.y1), y1);
    } else {
      copy(y0, y1);
    }
  }};
}

// Brings in the data a column pass reads just before it treats each column,
// when the pass visits every column of the target and of the planes once,
// writes only the target column it treats, and reads only plane cells of
// columns up to reach columns ahead (byColumn): the planes' deferred load and
// the copy of a target picture still shared with its source. Column by
// column, both are still in the cache when the pass reads them, instead of
// crossing memory once more each. Otherwise the target is made writable
// whole, and the planes settle their load when first read. With a reach, the
// columns must come left to right on one thread.
class ColumnFeed {
 public:
  // An underlay stands for the target's own pixels.
  ColumnFeed(ChannelPlanes& planes, PictureSurface& target, bool byColumn, int reach = 0,
             Underlay underlay = {})
      : planes_(planes), reach_(reach) {
    if (byColumn) {
      load_ = planes.TakeDeferredLoad();
      under_ = underlay.fill ? std::move(underlay) : PictureUnder(target.DetachForOverwrite());
    }
    image_ = &target.MutableImage();
    if (!byColumn && underlay.fill)  // the whole underlay at once
      for (int x = 0; x < image_->Width(); ++x) underlay.fill(x, image_->Column(x), 0, image_->Height());
  }
  PixelBuffer& Image() { return *image_; }
  // Before column x is treated.
  void Prepare(int x) {
    if (reach_ == 0) return PrepareRows(x, 0, image_->Height());
    if (load_) {
      const int last = std::min(x + reach_, planes_.Width() - 1);
      for (int column = loaded_; column <= last; ++column) planes_.LoadColumn(*load_, column);
      loaded_ = std::max(loaded_, last + 1);
    }
    CopyRows(x, 0, image_->Height());
  }
  // Before the rows y0 .. y1 - 1 of column x are treated, without a reach;
  // runs on other threads bring in their own columns or rows.
  void PrepareRows(int x, int y0, int y1) {
    if (load_ && x < planes_.Width())
      planes_.LoadRows(*load_, x, std::min(y0, planes_.Height()), std::min(y1, planes_.Height()));
    CopyRows(x, y0, y1);
  }

 private:
  void CopyRows(int x, int y0, int y1) {
    if (under_.fill && x < image_->Width()) under_.fill(x, image_->Column(x), y0, y1);
  }

  ChannelPlanes& planes_;
  const int reach_;
  int loaded_ = 0;  // with a reach: the first column not loaded yet
  Picture load_;
  Underlay under_;  // the target's pixels, a picture still shared with their source
  PixelBuffer* image_;
};

// What a pass's progress bar follows: the columns, as most routines' loops
// go; the rows, for a routine whose statements loop over the rows outside
// but whose pixels do not depend on the order; or nothing (left alone).
enum class Bar { Columns, Rows, Untouched };

// The frame's loop over the target's columns: column(x, out, rows) for each
// column x, out being the target column and rows the number of its pixels
// (from the top) that the planes cover, 0 for a column beyond them.
// Independent columns are shared out among call.threads threads; the
// progress bar then follows the calling thread's run, scaled to the whole
// bar. Every run stops between two columns once the call is cancelled.
// makeRun(first, end) gives the column callable of the run of columns
// first .. end - 1, for routines that prepare something per run.
// Leaves the loop counters as the loops end.
// A pass in order whose columns write only their own target column and read
// only plane cells up to readsAhead columns ahead says so (-1: anything).
template <class MakeRun>
void ForEachColumnRun(Module1& m, const CallContext& call, PictureSurface& target,
                      ColumnOrder order, MakeRun makeRun, int readsAhead = -1, Bar bar = Bar::Columns) {
  const int w = target.Width(), h = target.Height();
  const int span = bar == Bar::Rows ? h : w;  // the bar goes from 0 to span - 1
  OperationFrame frame(call, span - 1.0,
                       bar == Bar::Untouched ? OperationFrame::Progress::Untouched
                                             : OperationFrame::Progress::Columns);
  if (w <= 0) return;
  const bool known = order != ColumnOrder::InOrder || readsAhead >= 0;
  ColumnFeed feed(m.planes, target, known && w >= m.planes.Width(), std::max(readsAhead, 0));
  PixelBuffer& image = feed.Image();
  const int inW = std::min(w, m.planes.Width()), inH = std::min(h, m.planes.Height());
  const int threads = order == ColumnOrder::Independent ? call.threads : 1;
  ForColumnRuns(threads, w, [&](int first, int end, bool lead) {
    decltype(auto) column = makeRun(first, end);
    for (int x = first; x < end; ++x) {
      call.StopIfCancelled();
      feed.Prepare(x);
      column(x, image.Column(x), x < inW ? inH : 0);
      if (lead) frame.Step(static_cast<int>(static_cast<long long>(x) * span / end));
    }
  });
  // Only a single run along the columns has stepped to the bar's end.
  if (span > 1 && (threads > 1 || span != w)) frame.Step(span - 1);
  m.LoopX = static_cast<int16_t>(std::min(w, 32767));
  m.LoopY = static_cast<int16_t>(std::min(h, 32767));
}

// The same with one column callable for every run.
template <class Column>
void ForEachColumn(Module1& m, const CallContext& call, PictureSurface& target, Column column,
                   ColumnOrder order = ColumnOrder::InOrder, int readsAhead = -1, Bar bar = Bar::Columns) {
  ForEachColumnRun(
      m, call, target, order, [&column](int, int) -> Column& { return column; }, readsAhead, bar);
}

// The kernel on count pixels whose plane cells exist. The cells and the
// pixels are separate arrays, and a write is a choice of value rather than a
// conditional store: the loop can run on vector units.
template <class Kernel>
void PixelColumn(Kernel& kernel, int32_t* __restrict R, int32_t* __restrict G,
                 int32_t* __restrict B, ColorRef* __restrict out, int count) {
  for (int y = 0; y < count; ++y) {
    ColorRef c = 0;
    const bool write = kernel.Pixel(R[y], G[y], B[y], c);
    out[y] = write ? c : out[y];
  }
}

// The same on count pixels whose plane cells a pending load would fill from
// the picture column `in`: the kernel takes the channels of each pixel of it.
template <class Kernel>
void PixelColumnFromPicture(Kernel& kernel, const ColorRef* __restrict in, ColorRef* __restrict out,
                            int count) {
  for (int y = 0; y < count; ++y) out[y] = KernelOnColour(kernel, in[y], out[y]);
}

// A load set aside for a pass that reads the picture instead of the planes
// goes back to them however the pass ends, with what the pass did to the
// cells it covers (the columns and rows both the target and the planes
// have): treat(x, y, R, G, B, count) as CellTreatment has it, or each(R, G,
// B, count) for a pass that treats each cell on its own.
struct PendingAgain {
  ChannelPlanes& planes;
  const Picture& source;
  int threads;
  CellTreatment treated;
  PendingAgain(ChannelPlanes& p, const Picture& s, int t, const PictureSurface& target,
               std::function<void(int, int, int32_t*, int32_t*, int32_t*, int)> treat)
      : planes(p), source(s), threads(t),
        treated{std::move(treat), std::clamp(target.Width(), 0, p.Width()),
                std::clamp(target.Height(), 0, p.Height())} {}
  PendingAgain(ChannelPlanes& p, const Picture& s, int t, const PictureSurface& target,
               std::function<void(int32_t*, int32_t*, int32_t*, int)> each)
      : PendingAgain(p, s, t, target,
                     [each = std::move(each)](int, int, int32_t* R, int32_t* G, int32_t* B, int count) mutable {
                       each(R, G, B, count);
                     }) {}
  PendingAgain(const PendingAgain&) = delete;
  PendingAgain& operator=(const PendingAgain&) = delete;
  ~PendingAgain() { planes.DeferLoad(source, threads, std::move(treated)); }
};

// The picture planes of the target's very size wait for, set aside for a
// pass that reads it instead of them (see PlanesWaitForResult); null when
// the sizes differ or no load is pending.
inline Picture SetAsideLoadOfSize(ChannelPlanes& planes, const PictureSurface& target) {
  if (target.Width() != planes.Width() || target.Height() != planes.Height()) return nullptr;
  return planes.SetAsideLoad();
}

// A pass that reads the picture the planes wait for instead of the planes,
// and leaves cells that are exactly its result's channels (0..255 each),
// has the planes wait for that result once it is Done, or for the picture
// again if it stops before. Cells that the result's channels do not give
// come with a treatment that puts them in.
class PlanesWaitForResult {
 public:
  PlanesWaitForResult(ChannelPlanes& planes, Picture source, const PictureSurface& target, int threads)
      : planes_(planes), source_(std::move(source)), target_(target), threads_(threads) {}
  PlanesWaitForResult(const PlanesWaitForResult&) = delete;
  PlanesWaitForResult& operator=(const PlanesWaitForResult&) = delete;
  ~PlanesWaitForResult() {
    if (done_) planes_.DeferLoad(target_.Image(), threads_, std::move(treated_));
    else planes_.DeferLoad(source_, threads_);
  }
  const PixelBuffer& Source() const { return *source_; }
  void Done(CellTreatment treated = {}) { done_ = true, treated_ = std::move(treated); }

 private:
  ChannelPlanes& planes_;
  const Picture source_;
  const PictureSurface& target_;
  const int threads_;
  bool done_ = false;
  CellTreatment treated_;
};

// The frame's loop for a per-pixel kernel: cells(x, out, rows) treats the
// pixels the planes cover, the kernel's Outside the rest.
template <class Kernel, class Cells>
void RunPixelColumns(Module1& m, const CallContext& call, PictureSurface& target, Kernel& kernel,
                     Cells cells) {
  const int h = target.Height();
  constexpr bool independent = requires { requires Kernel::kIndependentPixels; };
  ForEachColumn(
      m, call, target,
      [&kernel, &cells, h](int x, ColorRef* out, int rows) {
        if (rows > 0) cells(x, out, rows);
        for (int y = rows; y < h; ++y) {
          ColorRef c;
          if (kernel.Outside(c)) out[y] = c;
        }
      },
      independent ? ColumnOrder::Independent : ColumnOrder::OwnCellsInOrder);
}

// Runs a per-pixel routine over the target in the frame's order. The kernel
// holds the statements of one pixel:
//   bool Pixel(int32_t& R, int32_t& G, int32_t& B, ColorRef& out)
//     runs the statements on the pixel's plane values (stored back at once)
//     and answers whether the pixel write happens, with its colour;
//   bool Outside(ColorRef& out)
//     a pixel the planes do not cover: every statement that touches a plane
//     is abandoned; answers whether something is still written.
// A kernel whose Pixel reads and writes nothing but its arguments (no value
// carried from pixel to pixel) says so with
//   static constexpr bool kIndependentPixels = true;
// and its columns are then shared out among the threads.
// Planes still waiting for a picture stay waiting under an independent
// kernel: it reads the picture's channels, the planes' memory is not made,
// and the kernel goes over their cells only if they are ever read (every
// command loads them afresh, so they rarely are).
template <class Kernel>
void RunPerPixel(Module1& m, const CallContext& call, PictureSurface& target, Kernel& kernel) {
  ChannelPlanes& planes = m.planes;
  constexpr bool independent = requires { requires Kernel::kIndependentPixels; };
  if (const Picture source = independent ? planes.SetAsideLoad() : nullptr) {
    const PendingAgain pending(planes, source, call.threads, target,
                               [kernel](int32_t* R, int32_t* G, int32_t* B, int rows) mutable {
                                 for (int y = 0; y < rows; ++y) {
                                   ColorRef c;
                                   kernel.Pixel(R[y], G[y], B[y], c);
                                 }
                               });
    return RunPixelColumns(m, call, target, kernel,
                           [&kernel, &picture = *source](int x, ColorRef* out, int rows) {
                             PixelColumnFromPicture(kernel, picture.Column(x), out, rows);
                           });
  }
  RunPixelColumns(m, call, target, kernel, [&kernel, &planes](int x, ColorRef* out, int rows) {
    const size_t base = planes.Index(x, 0);
    PixelColumn(kernel, planes.PlaneR() + base, planes.PlaneG() + base, planes.PlaneB() + base,
                out, rows);
  });
}

// Most kernels write nothing outside the planes.
struct NothingOutside {
  bool Outside(ColorRef&) { return false; }
};

}  // namespace pixmora
