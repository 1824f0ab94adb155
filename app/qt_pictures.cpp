#include "app/qt_pictures.h"

#include <QImageReader>
#include <algorithm>
#include <new>

namespace pixmora::app {

namespace {

constexpr int kMaxSide = 32767;  // coordinates are 16-bit
constexpr int kBlock = 64;       // tile side of the row/column transposes
// Qt refuses images above 256 MB by default; a picture of 32767 pixels a
// side takes 4 GB.
constexpr int kAllocationLimitMb = 4096;

}  // namespace

QColor ToQColor(ColorRef c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

ColorRef FromQColor(const QColor& c) { return PackRGB(c.red(), c.green(), c.blue()); }

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

Picture PictureFromQImage(const QImage& source) {
  if (source.isNull()) return nullptr;
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  const int w = image.width(), h = image.height();
  auto pixels = std::make_shared<PixelBuffer>(w, h);
  // Rows in, columns out: walked in tiles so that both sides stay in cache.
  for (int y0 = 0; y0 < h; y0 += kBlock)
    for (int x0 = 0; x0 < w; x0 += kBlock)
      for (int y = y0; y < std::min(h, y0 + kBlock); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = x0; x < std::min(w, x0 + kBlock); ++x)
          pixels->Set(x, y, PackRGB(qRed(row[x]), qGreen(row[x]), qBlue(row[x])));
      }
  return pixels;
}

Picture ReadPictureWithQt(const std::string& path) {
  static const bool limitRaised = (QImageReader::setAllocationLimit(kAllocationLimitMb), true);
  (void)limitRaised;
  QImageReader reader(QString::fromStdString(path));
  reader.setAutoTransform(false);
  const QSize size = reader.size();
  if (size.width() > kMaxSide || size.height() > kMaxSide) return nullptr;
  try {
    return PictureFromQImage(reader.read());
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace pixmora::app
