#include "app/colour_swatch.h"

#include <QMouseEvent>

namespace pixmora::app {

void ColourSwatch::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace pixmora::app
