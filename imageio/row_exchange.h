// Moving pixels between the pictures' columns (top-down, ColorRef) and
// bitmap rows (blue, green, red bytes), a band of rows at a time: each column
// access then covers several whole cache lines, fetched ahead of use, while
// the band's rows stay in cache.
#pragma once
#include <cstdint>

#include "core/picture.h"

namespace pixmora {

// Rows are handed over in bands of at most this many.
inline constexpr int kRowBand = 64;

// Writes picture rows y0 .. y0 + count - 1 into rows[0 .. count - 1], three
// bytes a pixel; count is at most kRowBand.
void ColumnsToRows(const PixelBuffer& picture, int y0, int count, uint8_t* const* rows);
// Reads rows[0 .. count - 1], step bytes a pixel (3 or 4, the fourth ignored),
// into picture rows y0 .. y0 + count - 1; count is at most kRowBand.
void RowsToColumns(const uint8_t* const* rows, int step, int y0, int count, PixelBuffer& picture);

// The same with rows of the picture's own colours, four bytes a pixel: red,
// green, blue and a fourth byte (0 when written; ignored when read). Only
// the order of the pixels changes, four by four on vector units.
void ColumnsToColourRows(const PixelBuffer& picture, int y0, int count, uint32_t* const* rows);
void ColourRowsToColumns(const uint32_t* const* rows, int y0, int count, PixelBuffer& picture);

// The same with four bytes a pixel, the fourth the pixel's alpha (255 where
// the picture has none).
void ColumnsToRowsWithAlpha(const PixelBuffer& picture, int y0, int count, uint8_t* const* rows);
// The fourth byte of each pixel of rows (four bytes a pixel) into rows
// y0 .. y0 + count - 1 of alpha.
void RowsToAlpha(const uint8_t* const* rows, int y0, int count, AlphaPlane& alpha);

}  // namespace pixmora
