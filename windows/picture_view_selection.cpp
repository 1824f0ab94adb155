// What PictureView does with a selection: its outline, and with a selection
// tool, the drags and keys that draw and edit it (see SelectionEditor).
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "windows/picture_view.h"
#include "windows/selection_outline.h"

namespace pixmora::windows {

namespace {

QSize SizeOf(const Picture& picture) { return picture ? QSize(picture->Width(), picture->Height()) : QSize(); }

bool Square(const QMouseEvent& event) { return event.modifiers() & Qt::ShiftModifier; }

}  // namespace

void PictureView::SetSelection(const std::optional<Selection>& selection) {
  selection_ = selection;
  viewport()->update();
}

void PictureView::SetSelectionTool(std::optional<SelectionShape> tool) {
  if (tool == tool_) return;
  tool_ = tool;
  editor_.reset(), draft_.reset();
  viewport()->setCursor(tool ? Qt::CrossCursor : Qt::OpenHandCursor);
  viewport()->update();
}

bool PictureView::SelectionPress(const QMouseEvent& event) {
  const QSize picture = SizeOf(Shown());
  if (!tool_ || picture.isEmpty()) return false;
  // A handle can be taken anywhere on its square, at any zoom.
  editor_.emplace(PicturePoint(event.position()), selection_, *tool_, picture, kHandleSide / 2 / Scale());
  draft_ = editor_->At(PicturePoint(event.position()), Square(event));
  return true;
}

bool PictureView::SelectionDrag(const QMouseEvent& event) {
  if (!editor_) return false;
  draft_ = editor_->At(PicturePoint(event.position()), Square(event));
  viewport()->update();
  return true;
}

bool PictureView::SelectionRelease(const QMouseEvent& event) {
  if (!editor_) return false;
  const std::optional<Selection> made = editor_->At(PicturePoint(event.position()), Square(event));
  const SelectionEdit edit = editor_->Edit();
  editor_.reset(), draft_.reset();
  // A click that draws nothing takes the selection away.
  const bool cleared = !made && selection_;
  if (cleared || (made && made != selection_)) {
    selection_ = made;
    emit selectionEdited(made, cleared ? SelectionEdit::Cleared : edit);
  }
  viewport()->update();
  return true;
}

bool PictureView::SelectionKey(const QKeyEvent& event) {
  const int step = event.modifiers() & Qt::ShiftModifier ? 10 : 1;
  int dx = 0, dy = 0;
  switch (event.key()) {
    case Qt::Key_Left: dx = -step; break;
    case Qt::Key_Right: dx = step; break;
    case Qt::Key_Up: dy = -step; break;
    case Qt::Key_Down: dy = step; break;
    default: return false;
  }
  if (!tool_ || !selection_ || editor_) return false;
  const Selection moved = Nudged(*selection_, dx, dy, SizeOf(Shown()));
  if (moved != *selection_) {
    selection_ = moved;
    emit selectionEdited(moved, SelectionEdit::Nudged);
    viewport()->update();
  }
  return true;
}

void PictureView::PaintSelection(QPainter& painter) {
  const std::optional<Selection>& shown = editor_ ? draft_ : selection_;
  const Picture& picture = Shown();
  if (!shown || !picture) return;
  const QRectF where(Origin(), QSizeF(picture->Width() * Scale(), picture->Height() * Scale()));
  PaintSelectionOutline(painter, *shown, where, SizeOf(picture), tool_.has_value());
}

}  // namespace pixmora::windows
