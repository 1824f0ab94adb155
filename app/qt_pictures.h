// Exchange between the engine's pictures and Qt's images, and the platform
// picture loader (Qt's image reader) that the window gives ShowFitted.
#pragma once
#include <QColor>
#include <QImage>
#include <string>

#include "core/picture.h"

namespace pixmora::app {

QColor ToQColor(ColorRef colour);
ColorRef FromQColor(const QColor& colour);

QImage ToQImage(const PixelBuffer& pixels);
// Null for a null image.
Picture PictureFromQImage(const QImage& image);

// Reads a picture file with Qt's image reader; the empty picture when the
// file cannot be read, or is larger than 32767 pixels a side.
Picture ReadPictureWithQt(const std::string& path);

}  // namespace pixmora::app
