// The working files' writer: a picture as a 24-bit BMP, byte for byte what
// FreeImage writes for the same picture, straight from the picture's columns
// (no intermediate bitmap of the whole picture).
#pragma once
#include <cstdio>

#include "core/picture.h"

namespace pixmora {

// Writes the whole file to stream; false when a write fails.
bool WriteBmp24(const PixelBuffer& picture, FILE* stream);

}  // namespace pixmora
