#include "windows/reduced_image.h"

#include <algorithm>

namespace pixmora::windows {

namespace {

// Rows are made a band at a time: the columns the picture is stored in are
// read a short run each, and the band being written stays in the cache.
constexpr int kBandRows = 64;

// Sums of the channels premultiplied by alpha, as Qt's premultiplied images
// hold them (an opaque colour is its own premultiplied colour), and of alpha.
struct Sum {
  int r = 0, g = 0, b = 0, a = 0;
  template <bool kAlpha>
  void AddColour(const ColorRef* column, const uint8_t* alpha, int row) {
    const ColorRef c = column[row];
    if constexpr (kAlpha) {
      const uint32_t k = alpha[row];
      r += static_cast<int>(((c & 0xFF) * k + 127) / 255);
      g += static_cast<int>((((c >> 8) & 0xFF) * k + 127) / 255);
      b += static_cast<int>((((c >> 16) & 0xFF) * k + 127) / 255);
      a += static_cast<int>(k);
    } else {
      r += c & 0xFF, g += (c >> 8) & 0xFF, b += (c >> 16) & 0xFF, a += 255;
    }
  }
  void AddRgb(QRgb c) { r += qRed(c), g += qGreen(c), b += qBlue(c), a += qAlpha(c); }
  QRgb Average(int n) const {
    return qRgba((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, (a + n / 2) / n);
  }
};

template <bool kAlpha>
QImage Reduced(const PixelBuffer& pixels, int factor) {
  const int w = pixels.Width(), h = pixels.Height();
  const int outW = (w + factor - 1) / factor, outH = (h + factor - 1) / factor;
  QImage image(outW, outH, kAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  if (image.isNull()) return image;
  for (int band = 0; band < outH; band += kBandRows) {
    const int bandEnd = std::min(outH, band + kBandRows);
    for (int x = 0; x < outW; ++x) {
      const int at[2] = {x * factor, std::min(w - 1, x * factor + factor - 1)};
      const ColorRef* columns[2] = {pixels.Column(at[0]), pixels.Column(at[1])};
      const uint8_t* alphas[2] = {};
      if constexpr (kAlpha) {
        alphas[0] = pixels.GetAlpha()->Column(at[0]);
        alphas[1] = pixels.GetAlpha()->Column(at[1]);
      }
      for (int y = band; y < bandEnd; ++y) {
        const int y0 = y * factor, y1 = std::min(h - 1, y0 + factor - 1);
        Sum sum;
        for (int c = 0; c < factor; ++c) {
          sum.AddColour<kAlpha>(columns[c], alphas[c], y0);
          if (factor == 2) sum.AddColour<kAlpha>(columns[c], alphas[c], y1);
        }
        reinterpret_cast<QRgb*>(image.scanLine(y))[x] = sum.Average(factor * factor);
      }
    }
  }
  return image;
}

}  // namespace

QImage ReducedImage(const PixelBuffer& pixels, int factor) {
  return pixels.GetAlpha() ? Reduced<true>(pixels, factor) : Reduced<false>(pixels, factor);
}

QImage HalfSize(const QImage& image) {
  const int w = image.width(), h = image.height();
  QImage half((w + 1) / 2, (h + 1) / 2, image.format());
  for (int y = 0; y < half.height(); ++y) {
    const auto* top = reinterpret_cast<const QRgb*>(image.constScanLine(2 * y));
    const auto* bottom = reinterpret_cast<const QRgb*>(image.constScanLine(std::min(h - 1, 2 * y + 1)));
    auto* out = reinterpret_cast<QRgb*>(half.scanLine(y));
    for (int x = 0; x < half.width(); ++x) {
      const int x1 = std::min(w - 1, 2 * x + 1);
      Sum sum;
      for (QRgb c : {top[2 * x], top[x1], bottom[2 * x], bottom[x1]}) sum.AddRgb(c);
      out[x] = sum.Average(4);
    }
  }
  return half;
}

}  // namespace pixmora::windows
