// What the window says of a picture with transparency written where it
// cannot be kept: a BMP or JPEG file, a texture.
#pragma once
#include <QString>

namespace pixmora::windows {

// In the window's language; file names what was written.
QString TransparencyLostNotice(const QString& file);

}  // namespace pixmora::windows
