// What shows through the transparent parts of a picture: a checkerboard of
// light and dark grey squares, the same size on the screen at every zoom.
#pragma once
#include <QImage>
#include <QRectF>

class QPainter;

namespace pixmora::windows {

// Fills area with the checkerboard, its squares counted from area's corner.
void PaintCheckerboard(QPainter& painter, const QRectF& area);

// The image (premultiplied, with alpha) laid onto the checkerboard, opaque.
QImage OverCheckerboard(const QImage& image);

}  // namespace pixmora::windows
