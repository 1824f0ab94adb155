#include "core/resample.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace pixmora {

namespace {

struct Taps {
  int first = 0;
  std::vector<float> weights;
};

// Filter taps along one axis for destination pixels [dstFirst, dstEnd).
std::vector<Taps> AxisTaps(int srcN, double dstStart, double dstLen, int dstFirst, int dstEnd) {
  const double scale = srcN / dstLen;
  const double support = std::max(1.0, scale);
  std::vector<Taps> taps(std::max(0, dstEnd - dstFirst));
  for (int i = dstFirst; i < dstEnd; ++i) {
    const double centre = (i + 0.5 - dstStart) * scale - 0.5;
    const int lo = static_cast<int>(std::floor(centre - support)) + 1;
    const int hi = static_cast<int>(std::ceil(centre + support)) - 1;
    Taps& t = taps[i - dstFirst];
    t.first = std::clamp(lo, 0, srcN - 1);
    const int last = std::clamp(hi, 0, srcN - 1);
    t.weights.assign(last - t.first + 1, 0.0f);
    double sum = 0;
    for (int j = lo; j <= hi; ++j) {
      const double w = std::max(0.0, 1.0 - std::abs(j - centre) / support);
      t.weights[std::clamp(j, 0, srcN - 1) - t.first] += static_cast<float>(w);
      sum += w;
    }
    if (sum <= 0) {  // the centre fell outside: take the nearest edge pixel
      t.weights.assign(1, 1.0f);
      t.first = std::clamp(static_cast<int>(std::lround(centre)), 0, srcN - 1);
      continue;
    }
    for (float& w : t.weights) w = static_cast<float>(w / sum);
  }
  return taps;
}

void CopyClipped(const PixelBuffer& src, PixelBuffer& dst, int x0, int y0) {
  const int xFrom = std::max(0, x0), xTo = std::min(dst.Width(), x0 + src.Width());
  const int yFrom = std::max(0, y0), yTo = std::min(dst.Height(), y0 + src.Height());
  for (int x = xFrom; x < xTo; ++x)
    std::copy(src.Column(x - x0) + (yFrom - y0), src.Column(x - x0) + (yTo - y0),
              dst.Column(x) + yFrom);
}

uint32_t ToByte(float v) { return static_cast<uint32_t>(std::clamp(std::lround(v), 0L, 255L)); }

}  // namespace

void DrawScaled(const PixelBuffer& src, PixelBuffer& dst, double x, double y, double w, double h) {
  if (w <= 0 || h <= 0 || src.Count() == 0) return;
  if (w == src.Width() && h == src.Height() && x == std::floor(x) && y == std::floor(y)) {
    CopyClipped(src, dst, static_cast<int>(x), static_cast<int>(y));
    return;
  }
  const int xFirst = std::max(0, static_cast<int>(std::lround(x)));
  const int xEnd = std::min(dst.Width(), static_cast<int>(std::lround(x + w)));
  const int yFirst = std::max(0, static_cast<int>(std::lround(y)));
  const int yEnd = std::min(dst.Height(), static_cast<int>(std::lround(y + h)));
  if (xFirst >= xEnd || yFirst >= yEnd) return;
  const std::vector<Taps> colTaps = AxisTaps(src.Width(), x, w, xFirst, xEnd);
  const std::vector<Taps> rowTaps = AxisTaps(src.Height(), y, h, yFirst, yEnd);
  const int rows = yEnd - yFirst;

  // Vertical pass on every source column (columns are contiguous), then the horizontal one.
  std::vector<float> mid(static_cast<size_t>(src.Width()) * rows * 3);
  for (int sx = 0; sx < src.Width(); ++sx) {
    const ColorRef* col = src.Column(sx);
    float* out = &mid[static_cast<size_t>(sx) * rows * 3];
    for (int r = 0; r < rows; ++r) {
      const Taps& t = rowTaps[r];
      float cr = 0, cg = 0, cb = 0;
      for (size_t k = 0; k < t.weights.size(); ++k) {
        const ColorRef c = col[t.first + k];
        cr += t.weights[k] * (c & 0xFF);
        cg += t.weights[k] * ((c >> 8) & 0xFF);
        cb += t.weights[k] * ((c >> 16) & 0xFF);
      }
      out[r * 3] = cr, out[r * 3 + 1] = cg, out[r * 3 + 2] = cb;
    }
  }
  for (int dx = xFirst; dx < xEnd; ++dx) {
    const Taps& t = colTaps[dx - xFirst];
    ColorRef* outCol = dst.Column(dx) + yFirst;
    for (int r = 0; r < rows; ++r) {
      float cr = 0, cg = 0, cb = 0;
      for (size_t k = 0; k < t.weights.size(); ++k) {
        const float* m = &mid[(static_cast<size_t>(t.first + k) * rows + r) * 3];
        cr += t.weights[k] * m[0];
        cg += t.weights[k] * m[1];
        cb += t.weights[k] * m[2];
      }
      outCol[r] = PackRGB(ToByte(cr), ToByte(cg), ToByte(cb));
    }
  }
}

}  // namespace pixmora
