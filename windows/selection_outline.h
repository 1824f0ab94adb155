// The selection's outline over a picture shown in a widget: a dark dashed
// line over a light one, which shows on any picture, and the handles that
// resize it while a selection tool is in use.
#pragma once
#include <QRectF>
#include <QSize>

#include "ops/image/selection.h"

class QPainter;

namespace pixmora::windows {

// The side of a handle, in logical pixels.
inline constexpr double kHandleSide = 8;

// shown: where the picture of that size is drawn, in the painter's coordinates.
void PaintSelectionOutline(QPainter& painter, const Selection& selection, const QRectF& shown, QSize picture,
                           bool handles = false);

}  // namespace pixmora::windows
