#include "windows/checkerboard.h"

#include <QPainter>

namespace pixmora::windows {

namespace {

constexpr int kSquare = 8;  // device-independent pixels
const QColor kLight(204, 204, 204), kDark(153, 153, 153);

// Two squares by two, which a brush repeats.
const QImage& Tile() {
  static const QImage tile = [] {
    QImage t(2 * kSquare, 2 * kSquare, QImage::Format_RGB32);
    t.fill(kLight);
    QPainter p(&t);
    p.fillRect(kSquare, 0, kSquare, kSquare, kDark);
    p.fillRect(0, kSquare, kSquare, kSquare, kDark);
    return t;
  }();
  return tile;
}

}  // namespace

void PaintCheckerboard(QPainter& painter, const QRectF& area) {
  QBrush brush(Tile());
  brush.setTransform(QTransform::fromTranslate(area.x(), area.y()));
  painter.fillRect(area, brush);
}

QImage OverCheckerboard(const QImage& image) {
  QImage opaque(image.size(), QImage::Format_RGB32);
  QPainter painter(&opaque);
  PaintCheckerboard(painter, QRectF(opaque.rect()));
  painter.drawImage(0, 0, image);
  return opaque;
}

}  // namespace pixmora::windows
