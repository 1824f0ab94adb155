#include "windows/selection_outline.h"

#include <QPainter>
#include <QPainterPath>

#include "windows/selection_editor.h"

namespace pixmora::windows {

void PaintSelectionOutline(QPainter& painter, const Selection& selection, const QRectF& shown, QSize picture,
                           bool handles) {
  if (picture.isEmpty()) return;
  const double sx = shown.width() / picture.width(), sy = shown.height() / picture.height();
  const auto place = [&](QPointF p) { return QPointF(shown.x() + p.x() * sx, shown.y() + p.y() * sy); };
  const Box& b = selection.box;
  const QRectF box(place(QPointF(b.x, b.y)), place(QPointF(b.x + b.width, b.y + b.height)));
  QPainterPath path;
  if (selection.shape == SelectionShape::Ellipse) path.addEllipse(box);
  else path.addRect(box);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(255, 255, 255, 220), 1));
  painter.drawPath(path);
  QPen dashes(QColor(0, 0, 0, 230), 1, Qt::DashLine);
  // An inverted selection shows its dashes closer together.
  dashes.setDashPattern(selection.inverted ? QList<qreal>{2, 2} : QList<qreal>{4, 4});
  painter.setPen(dashes);
  painter.drawPath(path);
  if (handles) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    for (QPointF h : SelectionHandles(b))
      painter.drawRect(QRectF(place(h) - QPointF(kHandleSide / 2, kHandleSide / 2), QSizeF(kHandleSide, kHandleSide)));
  }
  painter.restore();
}

}  // namespace pixmora::windows
