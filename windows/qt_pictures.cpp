#include "windows/qt_pictures.h"

#include "windows/reduced_image.h"

namespace pixmora::windows {

QColor ToQColor(ColorRef c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QImage ToQImage(const PixelBuffer& pixels) { return ReducedImage(pixels, 1); }

}  // namespace pixmora::windows
