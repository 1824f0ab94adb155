// PictureView: one picture, large. It opens fitted to the window and zooms
// with the wheel, a pinch and the keys (Ctrl++, Ctrl+-, Ctrl+0 to fit, Ctrl+1
// for 100 %, one picture pixel on one screen pixel), pans by dragging and by
// its scroll bars, and always keeps the picture's aspect ratio. Holding B
// shows the picture set as "before" in its place. It names the pixel under
// the pointer, outlines a selection, and with a selection tool draws and
// edits one. Paints draw only what shows, from the picture's levels.
#pragma once
#include <QAbstractScrollArea>
#include <memory>
#include <optional>

#include "core/picture.h"
#include "ops/image/selection.h"
#include "windows/selection_editor.h"

namespace pixmora::windows {

class PictureLevels;

class PictureView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit PictureView(QWidget* parent = nullptr);
  ~PictureView() override;

  // Null or empty shows "No Preview Available". A picture of the size of the
  // one shown keeps the zoom and the place; another starts fitted.
  void SetPicture(const Picture& picture, const QString& caption);
  // What holding B (or ShowBefore) shows instead, named by its caption; null
  // for nothing.
  void SetBefore(const Picture& before, const QString& caption);
  void ShowBefore(bool on);
  bool ShowingBefore() const { return showBefore_ && before_; }
  // What shows now: the picture, or the one before while B is held.
  const Picture& Shown() const { return ShowingBefore() ? before_ : picture_; }

  void FitToWindow();
  void ActualSize();
  void ZoomIn();
  void ZoomOut();
  // Device pixels per picture pixel.
  double Zoom() const;
  bool Fitting() const { return fit_; }
  // The picture's point under a point of the viewport.
  QPointF PicturePoint(const QPointF& at) const;
  // And the point of the viewport over a point of the picture.
  QPointF ViewportPoint(const QPointF& picturePoint) const;

  // The selection outlined over the picture, in its pixels (none: no outline).
  void SetSelection(const std::optional<Selection>& selection);
  // With a tool, dragging draws a selection of its shape (Shift: a square or
  // a circle), or drags the selection's handles or the selection itself, and
  // the arrow keys nudge it (Shift: ten pixels); without one, dragging pans.
  void SetSelectionTool(std::optional<SelectionShape> tool);

 signals:
  // "x 12, y 40: R 200, G 13, B 7" for the pixel under the pointer; empty
  // once the pointer leaves the picture.
  void pointed(const QString& text);
  void doubleClicked();
  // The user made this selection (none: a click beside it took it away).
  void selectionEdited(const std::optional<pixmora::Selection>& selection, pixmora::windows::SelectionEdit how);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  bool viewportEvent(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  std::shared_ptr<PictureLevels> Levels(const Picture& picture);
  // Logical pixels per picture pixel, and the picture's place in the viewport.
  double Scale() const;
  QPointF Origin() const;
  // Zooms keeping the picture's point under anchor where it is.
  void SetZoom(double zoom, const QPointF& anchor);
  void UpdateScrollBars();
  void PaintCaption(QPainter& painter, const QString& caption);
  void Point(const QPointF& at);
  // The selection tool's share of the mouse and the keys (picture_view_selection.cpp):
  // true when it took the event.
  bool SelectionPress(const QMouseEvent& event);
  bool SelectionDrag(const QMouseEvent& event);
  bool SelectionRelease(const QMouseEvent& event);
  bool SelectionKey(const QKeyEvent& event);
  void PaintSelection(QPainter& painter);

  Picture picture_, before_;
  std::shared_ptr<PictureLevels> levels_, beforeLevels_;
  QString caption_, beforeCaption_;
  bool showBefore_ = false;
  bool fit_ = true;
  double zoom_ = 1;
  bool dragging_ = false;
  QPoint dragFrom_, scrolledFrom_;
  double wheelSteps_ = 0;
  std::optional<Selection> selection_;
  std::optional<SelectionShape> tool_;
  std::optional<SelectionEditor> editor_;  // while a selection is being drawn or edited
  std::optional<Selection> draft_;         // what the edit makes so far
};

}  // namespace pixmora::windows
