#include "imageio/row_exchange.h"

#include <algorithm>
#include <cstring>

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

}  // namespace

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
