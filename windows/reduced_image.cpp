#include "windows/reduced_image.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "core/call_context.h"
#include "core/column_runs.h"

namespace pixmora::windows {

namespace {

// Output rows are made a band at a time: each source column is read a run
// of band x factor rows, and the band's sums and rows stay in the cache.
constexpr int kBandRows = 64;

// Sums of the channels premultiplied by alpha, as Qt's premultiplied images
// hold them (an opaque colour is its own premultiplied colour), and of alpha.
struct Sum {
  uint64_t r = 0, g = 0, b = 0, a = 0;
  QRgb Average(uint64_t n) const {
    return qRgba(static_cast<int>((r + n / 2) / n), static_cast<int>((g + n / 2) / n),
                 static_cast<int>((b + n / 2) / n), static_cast<int>((a + n / 2) / n));
  }
  // The average of 2^shift values, as Average gives it, without dividing.
  QRgb Shifted(int shift) const {
    const uint64_t half = (uint64_t{1} << shift) >> 1;
    return qRgba(static_cast<int>((r + half) >> shift), static_cast<int>((g + half) >> shift),
                 static_cast<int>((b + half) >> shift), static_cast<int>((a + half) >> shift));
  }
};

// Adds the opaque square of columns [sxFrom, sxTo) and rows [from, to) in
// blocks of kBlock x kBlock: a block's columns are added row by row first,
// red and blue side by side in the halves of one word (kBlock x kBlock
// values of at most 255 fill 16 bits), and the rows' sums gathered once.
constexpr int kBlock = 16;
void AddOpaqueBlock(const PixelBuffer& pixels, int sxFrom, int sxTo, int from, int to, Sum& sum) {
  uint32_t redBlue[kBlock] = {}, green[kBlock] = {};
  const int n = to - from;
  for (int sx = sxFrom; sx < sxTo; ++sx) {
    const ColorRef* column = pixels.Column(sx) + from;
    for (int i = 0; i < n; ++i) {
      redBlue[i] += column[i] & 0x00FF00FFu;
      green[i] += column[i] & 0x0000FF00u;
    }
  }
  uint32_t rb = 0, g = 0;
  for (int i = 0; i < kBlock; ++i) rb += redBlue[i], g += green[i];
  sum.r += rb & 0xFFFF, sum.b += rb >> 16, sum.g += g >> 8;
  sum.a += 255u * static_cast<unsigned>(n * (sxTo - sxFrom));
}

void AddOpaqueSquare(const PixelBuffer& pixels, int sxFrom, int sxTo, int from, int to, Sum& sum) {
  for (int y = from; y < to; y += kBlock)
    for (int sx = sxFrom; sx < sxTo; sx += kBlock)
      AddOpaqueBlock(pixels, sx, std::min(sxTo, sx + kBlock), y, std::min(to, y + kBlock), sum);
}

void AddPremultiplied(const ColorRef* column, const uint8_t* alpha, int from, int to, Sum& sum) {
  for (int y = from; y < to; ++y) {
    const ColorRef c = column[y];
    const uint32_t k = alpha[y];
    sum.r += ((c & 0xFF) * k + 127) / 255;
    sum.g += (((c >> 8) & 0xFF) * k + 127) / 255;
    sum.b += (((c >> 16) & 0xFF) * k + 127) / 255;
    sum.a += k;
  }
}

// The rows of an image being made, for threads that each write their own
// columns (QImage's own accessors would detach it from several threads).
struct Rows {
  uchar* bits;
  qsizetype stride;
  int height;
  QRgb* Row(int y) const { return reinterpret_cast<QRgb*>(bits + y * stride); }
};

// Output columns [xFrom, xTo) of image, band by band; kAlpha: the picture has transparency.
template <bool kAlpha>
void ReduceColumns(const PixelBuffer& pixels, int factor, const Rows& image, int xFrom, int xTo) {
  const int w = pixels.Width(), h = pixels.Height();
  const int shift = 2 * std::countr_zero(static_cast<unsigned>(factor));
  const Alpha& alpha = pixels.GetAlpha();
  std::vector<Sum> sums(kBandRows);
  for (int band = 0; band < image.height; band += kBandRows) {
    const int bandEnd = std::min(image.height, band + kBandRows);
    for (int x = xFrom; x < xTo; ++x) {
      std::fill(sums.begin(), sums.end(), Sum{});
      const int sxEnd = std::min(w, (x + 1) * factor);
      for (int y = band; y < bandEnd; ++y) {
        const int from = y * factor, to = std::min(h, from + factor);
        if constexpr (kAlpha)
          for (int sx = x * factor; sx < sxEnd; ++sx)
            AddPremultiplied(pixels.Column(sx), alpha->Column(sx), from, to, sums[y - band]);
        else
          AddOpaqueSquare(pixels, x * factor, sxEnd, from, to, sums[y - band]);
      }
      const int across = sxEnd - x * factor;
      for (int y = band; y < bandEnd; ++y) {
        const int down = std::min(h, (y + 1) * factor) - y * factor;
        const Sum& sum = sums[y - band];
        image.Row(y)[x] = across == factor && down == factor ? sum.Shifted(shift)
                                                             : sum.Average(uint64_t(across) * uint64_t(down));
      }
    }
  }
}

}  // namespace

QImage ReducedImage(const PixelBuffer& pixels, int factor) {
  factor = static_cast<int>(std::bit_floor(static_cast<unsigned>(std::max(factor, 1))));
  const int outW = (pixels.Width() + factor - 1) / factor, outH = (pixels.Height() + factor - 1) / factor;
  QImage image(outW, outH, pixels.GetAlpha() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  if (image.isNull()) return image;
  const Rows rows{image.bits(), image.bytesPerLine(), outH};
  ForColumnRuns(CallContext::ThreadsFor(pixels.Count()), outW, [&](int first, int end, bool) {
    if (pixels.GetAlpha()) ReduceColumns<true>(pixels, factor, rows, first, end);
    else ReduceColumns<false>(pixels, factor, rows, first, end);
  });
  return image;
}

}  // namespace pixmora::windows
