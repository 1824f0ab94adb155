// A picture file the user chose, read in the decoder process away from the
// window's thread (a damaged file can keep the decoder for seconds).
#pragma once
#include <functional>
#include <string>

#include "core/failure.h"
#include "core/picture.h"

class QObject;

namespace pixmora::windows {

// Calls done on context's thread with the picture, or why it cannot be read,
// once it is read; never when context has gone meanwhile.
void ReadPictureLater(const std::string& path, QObject* context,
                      std::function<void(const Result<Picture>& read)> done);

}  // namespace pixmora::windows
