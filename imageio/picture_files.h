// Whole-picture file helpers over MFreeImage for the flows that need no
// options: the headless picture loader and the BMP writer of working files.
#pragma once
#include <string>

#include "core/picture.h"

namespace pixmora {

// Any picture FreeImage recognises by content; the empty picture when the
// file is missing, unknown or damaged (never throws).
Picture LoadPictureFile(const std::string& path);

// Writes a 24-bit BMP (atomically). On failure answers false and, when error
// is given, says why in a few words.
bool SavePictureAsBmp(const Picture& picture, const std::string& path, std::string* error);

}  // namespace pixmora
