#include "windows/qt_pictures.h"

namespace pixmora::windows {

QColor ToQColor(ColorRef c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }


QImage ToQImage(const PixelBuffer& pixels) {
  QImage image(pixels.Width(), pixels.Height(), QImage::Format_RGB32);
  for (int y = 0; y < pixels.Height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < pixels.Width(); ++x) {
      const ColorRef c = pixels.At(x, y);
      row[x] = qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    }
  }
  return image;
}

}  // namespace pixmora::windows
