// What PictureView does with the wheel, a pinch, the mouse and the keys.
#include <QGestureEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPinchGesture>
#include <QScrollBar>
#include <QWheelEvent>

#include "windows/picture_view.h"
#include "windows/zoom_steps.h"

namespace pixmora::windows {

namespace {
constexpr double kWheelNotch = 120;  // angle units of one notch of a wheel
}  // namespace

void PictureView::wheelEvent(QWheelEvent* event) {
  // A touchpad sends small parts of a notch: they count once they add up.
  wheelSteps_ += event->angleDelta().y() / kWheelNotch;
  for (; wheelSteps_ >= 1; --wheelSteps_) SetZoom(ZoomInFrom(Zoom()), event->position());
  for (; wheelSteps_ <= -1; ++wheelSteps_) SetZoom(ZoomOutFrom(Zoom()), event->position());
  // Another pixel lies under the pointer now.
  Point(event->position());
  event->accept();
}

bool PictureView::viewportEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::NativeGesture: {  // a touchpad's pinch
      auto* gesture = static_cast<QNativeGestureEvent*>(event);
      if (gesture->gestureType() != Qt::ZoomNativeGesture) break;
      SetZoom(Zoom() * (1 + gesture->value()), gesture->position());
      return true;
    }
    case QEvent::Gesture: {  // a touch screen's pinch
      auto* pinch = static_cast<QPinchGesture*>(static_cast<QGestureEvent*>(event)->gesture(Qt::PinchGesture));
      if (!pinch) break;
      SetZoom(Zoom() * pinch->scaleFactor(), viewport()->mapFromGlobal(pinch->centerPoint()));
      return true;
    }
    case QEvent::Leave:
      emit pointed(QString());
      break;
    default:
      break;
  }
  return QAbstractScrollArea::viewportEvent(event);
}

void PictureView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  if (SelectionPress(*event)) return;
  dragging_ = true;
  dragFrom_ = event->position().toPoint();
  scrolledFrom_ = {horizontalScrollBar()->value(), verticalScrollBar()->value()};
  viewport()->setCursor(Qt::ClosedHandCursor);
}

void PictureView::mouseMoveEvent(QMouseEvent* event) {
  if (!SelectionDrag(*event) && dragging_) {
    const QPoint moved = event->position().toPoint() - dragFrom_;
    horizontalScrollBar()->setValue(scrolledFrom_.x() - moved.x());
    verticalScrollBar()->setValue(scrolledFrom_.y() - moved.y());
  }
  Point(event->position());
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseReleaseEvent(event);
  if (SelectionRelease(*event)) return;
  dragging_ = false;
  viewport()->setCursor(Qt::OpenHandCursor);
}

void PictureView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked();
}

void PictureView::keyPressEvent(QKeyEvent* event) {
  const bool control = event->modifiers() & Qt::ControlModifier;
  if (event->key() == Qt::Key_B && !control) {
    if (!event->isAutoRepeat()) ShowBefore(true);
  } else if (control && (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal)) {
    ZoomIn();
  } else if (control && event->key() == Qt::Key_Minus) {
    ZoomOut();
  } else if (control && event->key() == Qt::Key_0) {
    FitToWindow();
  } else if (control && event->key() == Qt::Key_1) {
    ActualSize();
  } else if (!SelectionKey(*event)) {
    return QAbstractScrollArea::keyPressEvent(event);
  }
  event->accept();
}

void PictureView::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_B && !event->isAutoRepeat()) ShowBefore(false);
  else QAbstractScrollArea::keyReleaseEvent(event);
}

}  // namespace pixmora::windows
