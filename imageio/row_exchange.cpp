#include "imageio/row_exchange.h"

#include <algorithm>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pixmora {

namespace {

// Blue, green, red in the low three bytes (memory order on this
// little-endian machine), 0 in the top one.
uint32_t Bgr(ColorRef c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

void PutBgr(uint8_t* p, ColorRef c) {
  p[0] = (c >> 16) & 0xFF;
  p[1] = (c >> 8) & 0xFF;
  p[2] = c & 0xFF;
}

// Columns this far ahead are fetched while the current one is moved: column
// after column is a jump of a whole picture height, which the processor
// does not foresee by itself.
constexpr int kAhead = 8;
constexpr int kLinePixels = 16;  // a 64-byte cache line

void FetchColumn(const ColorRef* column, int count) {
  for (int i = 0; i < count; i += kLinePixels) __builtin_prefetch(column + i);
}

// Rows are moved sixteen at a time: a column's sixteen pixels are one cache
// line, and sixteen rows are as many streams as the processor's prefetchers
// follow at once (with more, both directions ran at half the speed).
constexpr int kTile = 16;

// Each pixel but a row's last is stored as four bytes, the fourth (0) being
// overwritten by the next pixel; the last one stays inside its row.
void ColumnsToRowsTile(const PixelBuffer& picture, int y0, int count, uint8_t* const* rows) {
  const int last = picture.Width() - 1;
  for (int x = 0; x < last; ++x) {
    const ColorRef* in = picture.Column(x) + y0;
    if (x + kAhead < last) FetchColumn(picture.Column(x + kAhead) + y0, count);
    for (int i = 0; i < count; ++i) {
      const uint32_t bgr = Bgr(in[i]);
      std::memcpy(rows[i] + x * 3, &bgr, 4);
    }
  }
  if (last < 0) return;
  const ColorRef* in = picture.Column(last) + y0;
  for (int i = 0; i < count; ++i) PutBgr(rows[i] + last * 3, in[i]);
}

void RowsToColumnsTile(const uint8_t* const* rows, int step, int y0, int count, PixelBuffer& picture) {
  const int last = picture.Width() - 1;
  for (int x = 0; x < last; ++x) {
    ColorRef* out = picture.Column(x) + y0;
    if (x + kAhead < last) FetchColumn(picture.Column(x + kAhead) + y0, count);
    for (int i = 0; i < count; ++i) {
      uint32_t bgr;
      std::memcpy(&bgr, rows[i] + x * step, 4);
      out[i] = Bgr(bgr);
    }
  }
  if (last < 0) return;
  ColorRef* out = picture.Column(last) + y0;
  for (int i = 0; i < count; ++i) {
    const uint8_t* p = rows[i] + last * step;
    out[i] = PackRGB(p[2], p[1], p[0]);
  }
}

// Each band's alpha follows its colours, a column's run at a time.
void AlphaToRowsTile(const AlphaPlane* alpha, int width, int y0, int count, uint8_t* const* rows) {
  for (int x = 0; x < width; ++x) {
    const uint8_t* in = alpha ? alpha->Column(x) + y0 : nullptr;
    for (int i = 0; i < count; ++i) rows[i][x * 4 + 3] = in ? in[i] : 255;
  }
}

void ColumnsToRowsWithAlphaTile(const PixelBuffer& picture, int y0, int count, uint8_t* const* rows) {
  for (int x = 0; x < picture.Width(); ++x) {
    const ColorRef* in = picture.Column(x) + y0;
    if (x + kAhead < picture.Width()) FetchColumn(picture.Column(x + kAhead) + y0, count);
    for (int i = 0; i < count; ++i) {
      const uint32_t bgr = Bgr(in[i]);
      std::memcpy(rows[i] + x * 4, &bgr, 4);
    }
  }
  AlphaToRowsTile(picture.GetAlpha().get(), picture.Width(), y0, count, rows);
}

void RowsToAlphaTile(const uint8_t* const* rows, int y0, int count, AlphaPlane& alpha) {
  for (int x = 0; x < alpha.Width(); ++x) {
    uint8_t* out = alpha.Column(x) + y0;
    for (int i = 0; i < count; ++i) out[i] = rows[i][x * 4 + 3];
  }
}

// The low three bytes of a colour row's pixel.
constexpr uint32_t kColourBytes = 0x00FFFFFF;

// Pixels x .. x + 3 of four rows from the top one: from rows to columns when
// `in` is rows (stride the next row) and `out` columns (stride the next
// column), and the other way round.
#if defined(__SSE2__)
void MoveFour(const uint32_t* const* in, uint32_t* const* out, int offset, uint32_t mask) {
  __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in[0] + offset));
  __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in[1] + offset));
  __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in[2] + offset));
  __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in[3] + offset));
  const __m128i ab0 = _mm_unpacklo_epi32(a, b), cd0 = _mm_unpacklo_epi32(c, d);
  const __m128i ab1 = _mm_unpackhi_epi32(a, b), cd1 = _mm_unpackhi_epi32(c, d);
  const __m128i m = _mm_set1_epi32(static_cast<int>(mask));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out[0]), _mm_and_si128(_mm_unpacklo_epi64(ab0, cd0), m));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out[1]), _mm_and_si128(_mm_unpackhi_epi64(ab0, cd0), m));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out[2]), _mm_and_si128(_mm_unpacklo_epi64(ab1, cd1), m));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out[3]), _mm_and_si128(_mm_unpackhi_epi64(ab1, cd1), m));
}
#else
void MoveFour(const uint32_t* const* in, uint32_t* const* out, int offset, uint32_t mask) {
  for (int j = 0; j < 4; ++j)
    for (int k = 0; k < 4; ++k) out[k][j] = in[j][offset + k] & mask;
}
#endif

// One tile of count rows: columns x .. x + 3 in blocks of four rows, then
// what is left over pixel by pixel. toColumns says which way.
template <bool kToColumns, class Rows, class Picture>
void MoveColourTile(Rows rows, int y0, int count, Picture& picture) {
  const int w = picture.Width();
  const uint32_t mask = kToColumns ? kColourBytes : 0xFFFFFFFF;
  const auto at = [&](int x, int i) { return picture.Column(x) + y0 + i; };
  const int whole = count & ~3;
  int x = 0;
  for (; x + 4 <= w; x += 4) {
    for (int k = 0; k < 4 && x + kAhead + k < w; ++k) FetchColumn(picture.Column(x + kAhead + k) + y0, count);
    for (int i = 0; i < whole; i += 4) {
      if constexpr (kToColumns) {
        uint32_t* columns[4] = {at(x, i), at(x + 1, i), at(x + 2, i), at(x + 3, i)};
        MoveFour(rows + i, columns, x, mask);
      } else {
        const uint32_t* columns[4] = {at(x, i), at(x + 1, i), at(x + 2, i), at(x + 3, i)};
        uint32_t* const out[4] = {rows[i] + x, rows[i + 1] + x, rows[i + 2] + x, rows[i + 3] + x};
        MoveFour(columns, out, 0, mask);
      }
    }
    for (int i = whole; i < count; ++i)
      for (int k = 0; k < 4; ++k) {
        if constexpr (kToColumns) *at(x + k, i) = rows[i][x + k] & mask;
        else rows[i][x + k] = *at(x + k, i);
      }
  }
  for (; x < w; ++x)
    for (int i = 0; i < count; ++i) {
      if constexpr (kToColumns) *at(x, i) = rows[i][x] & mask;
      else rows[i][x] = *at(x, i);
    }
}

}  // namespace

void ColumnsToColourRows(const PixelBuffer& picture, int y0, int count, uint32_t* const* rows) {
  for (int i = 0; i < count; i += kTile)
    MoveColourTile<false>(rows + i, y0 + i, std::min(kTile, count - i), picture);
}

void ColourRowsToColumns(const uint32_t* const* rows, int y0, int count, PixelBuffer& picture) {
  for (int i = 0; i < count; i += kTile)
    MoveColourTile<true>(rows + i, y0 + i, std::min(kTile, count - i), picture);
}

void ColumnsToRows(const PixelBuffer& picture, int y0, int count, uint8_t* const* rows) {
  for (int i = 0; i < count; i += kTile) ColumnsToRowsTile(picture, y0 + i, std::min(kTile, count - i), rows + i);
}

void RowsToColumns(const uint8_t* const* rows, int step, int y0, int count, PixelBuffer& picture) {
  for (int i = 0; i < count; i += kTile)
    RowsToColumnsTile(rows + i, step, y0 + i, std::min(kTile, count - i), picture);
}

void ColumnsToRowsWithAlpha(const PixelBuffer& picture, int y0, int count, uint8_t* const* rows) {
  for (int i = 0; i < count; i += kTile)
    ColumnsToRowsWithAlphaTile(picture, y0 + i, std::min(kTile, count - i), rows + i);
}

void RowsToAlpha(const uint8_t* const* rows, int y0, int count, AlphaPlane& alpha) {
  for (int i = 0; i < count; i += kTile) RowsToAlphaTile(rows + i, y0 + i, std::min(kTile, count - i), alpha);
}

}  // namespace pixmora
