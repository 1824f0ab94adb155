// The program's own JPEG writer for pictures at their own size: the JPEG
// library fed a band of rows at a time straight from the picture's columns,
// with exactly the settings FreeImage's writer uses (its quality, 4:2:0
// colour, a JFIF header with the resolution, Huffman tables as standard),
// so the files are FreeImage's byte for byte, without a bitmap of the whole
// picture on the way: the library reads the picture's own colours, red,
// green, blue and a byte it ignores.
#pragma once
#include <cstdint>
#include <cstdio>

#include "core/picture.h"

namespace pixmora {

// The quality FreeImage's JPEG flags stand for: their low seven bits, 0
// meaning its default.
int JpegQuality(int freeImageFlags);

// Writes the picture's colours as a whole file to stream at quality
// (1 .. 100), with dotsPerMeter in the header as FreeImage rounds it to dots
// an inch. False when memory or a write fails.
bool WriteJpeg(const PixelBuffer& picture, FILE* stream, int quality, uint32_t dotsPerMeter);

}  // namespace pixmora
