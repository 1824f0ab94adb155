// The program's own PNG writer for 24-bit pictures, and 32-bit ones with
// alpha. Each row is filtered by
// the row above (photographs and results compress as well that way as with
// an adaptive choice of filter per row, for a fraction of the work) and the
// whole picture is deflated by libdeflate in one go, several times faster
// than zlib for files of the same size. The files are standard PNG.
#pragma once
#include <cstdint>
#include <cstdio>
#include <functional>

namespace pixmora {

// Fills rows[0 .. count - 1] with picture rows y0 .. y0 + count - 1, three
// bytes a pixel, blue, green, red (and a fourth, alpha, when asked for).
using RowSource = std::function<void(int y0, int count, uint8_t* const* rows)>;

// The compression levels FreeImage's PNG flags name (PNG_Z_BEST_SPEED and so
// on) as libdeflate's; 0 is the default.
int PngLevel(int freeImageFlags);

// Writes the whole file to stream, with the rows' alpha when alpha is set;
// dotsPerMeter 0 writes no resolution. False when memory or a write fails.
bool WritePng(int width, int height, bool alpha, const RowSource& rows, FILE* stream, int level,
              uint32_t dotsPerMeter);

}  // namespace pixmora
