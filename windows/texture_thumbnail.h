// Thumbnails of texture files, decoded in the decoder process only when they
// are first drawn: a library may hold thousands of files, and any of them may
// be damaged.
#pragma once
#include <QIcon>
#include <functional>
#include <string>

#include "core/failure.h"

class QWidget;

namespace pixmora::windows {

// The icon of a texture file, read away from the window's thread when it is
// first drawn; strip (where it is drawn) is repainted once it is read. A file
// that cannot be read draws nothing, and unreadable is told why, once.
QIcon TextureThumbnail(const std::string& path, QWidget* strip,
                       std::function<void(const Failure& failure)> unreadable);

}  // namespace pixmora::windows
