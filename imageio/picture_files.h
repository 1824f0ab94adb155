// Whole-picture file helpers over MFreeImage for the flows that need no
// options: the headless picture loader and the BMP writer of working files.
#pragma once
#include <string>

#include "core/picture.h"

namespace pixmora {

// Any picture FreeImage recognises by content; the empty picture when the
// file is missing, unknown or damaged (never throws).
Picture LoadPictureFile(const std::string& path);

// A picture file the user chose, read once in the decoder process. Null when
// it cannot be used, with why saying so in a few words: "no such file", "it is
// a folder, not a picture file", "not a picture", or the picture layer's
// reason ("damaged or not a picture", a size it refuses). The window and the
// batch tool word their notices with it. When the picture is read, note (when
// given) receives what the user should know of it ("file is truncated; the
// missing part is grey"), or is emptied.
Picture ReadChosenPicture(const std::string& path, std::string& why, std::string* note = nullptr);

// Writes a 24-bit BMP (atomically). On failure answers false and, when error
// is given, says why in a few words.
bool SavePictureAsBmp(const Picture& picture, const std::string& path, std::string* error);

}  // namespace pixmora
