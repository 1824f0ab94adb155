// Whole-picture file helpers over MFreeImage for the flows that need no
// options: the headless picture loader and the BMP writer of working files.
#pragma once
#include <string>

#include "core/failure.h"
#include "core/picture.h"

namespace pixmora {

class RowReceiver;

// Any picture FreeImage recognises by content; the empty picture when the
// file cannot be read: the loader of previews, which show "No Preview
// Available" for it.
Picture LoadPictureFile(const std::string& path);

// A picture file the user chose, read once in the decoder process. A failure
// names the file and says why in the system's words ("Permission denied",
// "Is a directory", "No such file or directory") or ours ("not a picture",
// "damaged", a size it refuses); the window and the batch tool add the
// picture's role ("image A") to it. When the picture is read, note (when
// given) receives what the user should know of it ("file is truncated; the
// missing part is grey"), or is emptied.
Result<Picture> ReadChosenPicture(const std::string& path, std::string* note = nullptr);
// The same, except that a colour JPEG's rows go to receiver as they are
// decoded (see decoder_process.h), and the picture is then empty.
Result<Picture> ReadChosenPictureToRows(const std::string& path, RowReceiver& receiver, std::string* note);

// Writes a 24-bit BMP (atomically); with keepAlpha, a picture with
// transparency is written as a 32-bit BMP that holds it.
Status SavePictureAsBmp(const Picture& picture, const std::string& path, bool keepAlpha = false);

}  // namespace pixmora
