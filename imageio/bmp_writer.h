// The working files' writer: a picture as a 24-bit BMP (or 32-bit, with its
// alpha), byte for byte what FreeImage writes for the same picture, straight
// from the picture's columns (no intermediate bitmap of the whole picture).
#pragma once
#include <cstdio>

#include "core/picture.h"

namespace pixmora {

// Writes the whole file to stream, 32-bit when alpha is set; false when a
// write fails.
bool WriteBmp(const PixelBuffer& picture, bool alpha, FILE* stream);

}  // namespace pixmora
