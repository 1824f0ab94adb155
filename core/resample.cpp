#include "core/resample.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/call_context.h"
#include "core/column_runs.h"
#include "core/numeric.h"

namespace pixmora {

namespace {

struct Rectangle {
  int x, y, w, h;
};

// Rounds a coordinate to a whole pixel; false for values no picture can use.
bool Snap(double v, int& out) {
  const double r = RoundHalfEven(v);
  if (!(std::abs(r) < 1e9)) return false;  // also NaN
  out = static_cast<int>(r);
  return true;
}

// The source pixels and weights behind one destination pixel along one axis.
struct Taps {
  int first = 0;
  std::vector<float> weights;
  int Last() const { return first + static_cast<int>(weights.size()) - 1; }
};

// Taps for destination pixels [from, to) of a span dstN pixels long that
// shows srcN source pixels. A triangle of half-width max(1, srcN / dstN)
// source pixels around each pixel's centre; taps past an edge fall on the
// edge pixel. The first and last taps only grow from one pixel to the next.
std::vector<Taps> AxisTaps(int srcN, int dstN, int from, int to) {
  const double scale = static_cast<double>(srcN) / dstN;
  const double support = std::max(1.0, scale);
  std::vector<Taps> taps(std::max(0, to - from));
  for (int i = from; i < to; ++i) {
    const double centre = (i + 0.5) * scale - 0.5;
    const int lo = static_cast<int>(std::floor(centre - support)) + 1;
    const int hi = static_cast<int>(std::ceil(centre + support)) - 1;
    Taps& t = taps[i - from];
    t.first = std::clamp(lo, 0, srcN - 1);
    t.weights.assign(std::clamp(hi, 0, srcN - 1) - t.first + 1, 0.0f);
    double sum = 0;
    for (int j = lo; j <= hi; ++j) {
      const double w = std::max(0.0, 1.0 - std::abs(j - centre) / support);
      t.weights[std::clamp(j, 0, srcN - 1) - t.first] += static_cast<float>(w);
      sum += w;
    }
    for (float& w : t.weights) w = static_cast<float>(w / sum);
  }
  return taps;
}

// Source columns filtered vertically (to the destination rows), kept in a
// ring just large enough for one destination column's taps. Each source
// column is filtered once, and only when some destination pixel needs it.
class FilteredColumns {
 public:
  FilteredColumns(const PixelBuffer& src, const std::vector<Taps>& rowTaps, size_t capacity)
      : src_(src), rowTaps_(rowTaps), rows_(rowTaps.size()), capacity_(capacity),
        ring_(capacity * rows_ * 3) {}

  // Makes columns first..last available; both only grow from call to call.
  void Prepare(int first, int last) {
    next_ = std::max(next_, first);
    for (; next_ <= last; ++next_) Filter(next_);
  }
  const float* Column(int sx) const { return &ring_[(sx % capacity_) * rows_ * 3]; }

 private:
  void Filter(int sx) {
    const ColorRef* col = src_.Column(sx);
    float* out = &ring_[(sx % capacity_) * rows_ * 3];
    for (size_t r = 0; r < rows_; ++r) {
      const Taps& t = rowTaps_[r];
      float cr = 0, cg = 0, cb = 0;
      for (size_t k = 0; k < t.weights.size(); ++k) {
        const ColorRef c = col[t.first + k];
        cr += t.weights[k] * static_cast<float>(c & 0xFF);
        cg += t.weights[k] * static_cast<float>((c >> 8) & 0xFF);
        cb += t.weights[k] * static_cast<float>((c >> 16) & 0xFF);
      }
      out[r * 3] = cr, out[r * 3 + 1] = cg, out[r * 3 + 2] = cb;
    }
  }

  const PixelBuffer& src_;
  const std::vector<Taps>& rowTaps_;
  size_t rows_;
  size_t capacity_;
  std::vector<float> ring_;
  int next_ = 0;
};

uint32_t ToByte(float v) {
  return static_cast<uint32_t>(std::clamp(RoundHalfEven(v), 0.0, 255.0));
}

// The part of the rectangle r that lies in dst.
PixelRect Clipped(const Rectangle& r, const PixelBuffer& dst) {
  return {std::max(0, r.x), std::max(0, r.y), std::min(dst.Width(), r.x + r.w), std::min(dst.Height(), r.y + r.h)};
}

void CopyClipped(const PixelBuffer& src, PixelBuffer& dst, const Rectangle& r) {
  const PixelRect c = Clipped(r, dst);
  if (c.y0 >= c.y1) return;
  for (int x = c.x0; x < c.x1; ++x)
    std::copy(src.Column(x - r.x) + (c.y0 - r.y), src.Column(x - r.x) + (c.y1 - r.y), dst.Column(x) + c.y0);
}

// Destination columns [dxFrom, dxTo) of Resample, with their own filtered columns.
void ResampleColumns(const PixelBuffer& src, PixelBuffer& dst, const std::vector<Taps>& colTaps,
                     const std::vector<Taps>& rowTaps, int xFirst, int yFirst, int dxFrom, int dxTo) {
  size_t widest = 0;
  for (int dx = dxFrom; dx < dxTo; ++dx) widest = std::max(widest, colTaps[dx - xFirst].weights.size());
  FilteredColumns columns(src, rowTaps, widest);
  const int rows = static_cast<int>(rowTaps.size());
  std::vector<const float*> filtered(widest);
  for (int dx = dxFrom; dx < dxTo; ++dx) {
    const Taps& t = colTaps[dx - xFirst];
    columns.Prepare(t.first, t.Last());
    for (size_t k = 0; k < t.weights.size(); ++k)
      filtered[k] = columns.Column(t.first + static_cast<int>(k));
    ColorRef* out = dst.Column(dx) + yFirst;
    for (int row = 0; row < rows; ++row) {
      float cr = 0, cg = 0, cb = 0;
      for (size_t k = 0; k < t.weights.size(); ++k) {
        const float* m = filtered[k] + row * 3;
        cr += t.weights[k] * m[0];
        cg += t.weights[k] * m[1];
        cb += t.weights[k] * m[2];
      }
      out[row] = PackRGB(ToByte(cr), ToByte(cg), ToByte(cb));
    }
  }
}

void Resample(const PixelBuffer& src, PixelBuffer& dst, const Rectangle& r) {
  const auto [xFirst, yFirst, xEnd, yEnd] = Clipped(r, dst);
  if (xFirst >= xEnd || yFirst >= yEnd) return;
  const std::vector<Taps> colTaps = AxisTaps(src.Width(), r.w, xFirst - r.x, xEnd - r.x);
  const std::vector<Taps> rowTaps = AxisTaps(src.Height(), r.h, yFirst - r.y, yEnd - r.y);
  // Every destination pixel is worked out alone: the columns can be shared
  // among threads, each filtering the source columns its own run needs.
  ForColumnRuns(CallContext::ThreadsFor(src.Count()), xEnd - xFirst, [&](int first, int end, bool) {
    ResampleColumns(src, dst, colTaps, rowTaps, xFirst, yFirst, xFirst + first, xFirst + end);
  });
}

}  // namespace

PixelRect DrawScaled(const PixelBuffer& src, PixelBuffer& dst, double x, double y, double w, double h) {
  Rectangle r;
  if (src.Count() == 0 || !Snap(x, r.x) || !Snap(y, r.y) || !Snap(w, r.w) || !Snap(h, r.h)) return {};
  if (r.w <= 0 || r.h <= 0) return {};
  if (r.w == src.Width() && r.h == src.Height())
    CopyClipped(src, dst, r);
  else
    Resample(src, dst, r);
  return Clipped(r, dst);
}

}  // namespace pixmora
