// Picture boxes: the panels that hold controls (PictureBox), the work area
// that lays out the previews (WorkArea), the boxes a click, Enter or Space
// presses (PressableBox: the swatches and the previews), and the previews
// that show a picture fitted, at their own size, or their display surface
// with its printed texts (PreviewBox). Previews can take a picture file
// dropped on them, and outline a selection over their picture.
#pragma once
#include <QFrame>
#include <QImage>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/picture_surface.h"
#include "ops/image/selection.h"

class QTimer;

namespace pixmora::windows {
class PictureLevels;
}

namespace pixmora::app {

class PictureBox : public QFrame {
  Q_OBJECT
 public:
  explicit PictureBox(const QString& name, QWidget* parent = nullptr);
};

class WorkArea : public PictureBox {
  Q_OBJECT
 public:
  using PictureBox::PictureBox;
  std::function<void()> onResize;

 protected:
  void resizeEvent(QResizeEvent* event) override;
};

// Takes the keyboard focus (Tab), shows it with a frame in the highlight
// colour, and is a button to screen readers, which can press it too.
class PressableBox : public PictureBox {
  Q_OBJECT
 public:
  explicit PressableBox(const QString& name, QWidget* parent = nullptr);

 signals:
  // A click (for a preview, one that is not the first of a double click),
  // Enter, Space or a screen reader's press.
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  // What the box shows inside its frame; the focus frame goes over it.
  virtual void PaintContents(QPainter&) {}
  void keyPressEvent(QKeyEvent* event) override;
};

class PreviewBox : public PressableBox {
  Q_OBJECT
 public:
  // Shows surface, a 256 x 256 display surface the window owns, at whatever
  // size the box is given. name says what picture it shows ("Image A", in
  // English): with the picture's size, it is the box's accessible name.
  PreviewBox(const QString& name, PictureSurface& surface, QWidget* parent = nullptr);
  void SetPictureName(const char* english) { pictureName_ = english; }

  PictureSurface& Surface() { return surface_; }
  // The hidden full-size surface whose picture this box shows fitted: drawn
  // from that picture's levels, it stays sharp at any box size and on
  // high-resolution screens.
  void SetFullSize(const PictureSurface* fullSize) { fullSize_ = fullSize; }
  // Made on the window's thread, run at the end of a job on the job's: makes
  // ahead the level this box will draw of the job's new full-size picture
  // (if any), for the box's size now, so that its first paint is sharp.
  std::function<void()> LevelAhead() const;
  // Made on the window's thread, given a new full-size picture on any thread
  // (a job's, as soon as its result is made): makes the level the box draws
  // of it there and then shows it, before the job ends. Show() follows when
  // the job has ended.
  std::function<void(const Picture&)> ShowAhead();
  // Takes a copy of what the surfaces hold now, names it, and repaints.
  // Called on the window's thread whenever no command is writing them, and
  // when the language changes.
  void Show();
  // The selection outlined over the full-size picture, in its pixels (none: no outline).
  void SetOutline(const std::optional<Selection>& selection);
  // The back colour of the box and of its surface; clears the surface.
  void SetBackColour(ColorRef colour);
  // What the display surface holds, for tests and screenshots.
  const QImage& Shown() const { return image_; }
  const std::vector<PrintedText>& ShownTexts() const { return texts_; }
  // The full-size picture a paint last drew (null: none yet), for the
  // benchmarks that count the results a user saw.
  const Picture& Drawn() const { return drawn_; }

 signals:
  void doubleClicked();
  // One local file was dropped on the box. Only boxes that accept drops
  // (setAcceptDrops) take them, and none while it is disabled.
  void fileDropped(const QString& path);

 protected:
  void PaintContents(QPainter& painter) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Device pixels to a pixel of picture, fitted into the box as it is now.
  std::function<double(const PixelBuffer&)> DeviceScale() const;
  // The levels of picture, drawn from now on.
  void ShowLevels(const Picture& picture);
  // The display surface and its texts, scaled to the box.
  void PaintSurface(QPainter& painter, const QRect& inner);

  PictureSurface& surface_;
  const PictureSurface* fullSize_ = nullptr;
  const char* pictureName_ = "";
  QImage image_;
  std::vector<PrintedText> texts_;
  std::shared_ptr<windows::PictureLevels> levels_;  // of the full-size picture, when shown
  QTimer* clickTimer_;  // a click waits this long for a second one
  std::optional<Selection> outline_;
  Picture drawn_;
};

}  // namespace pixmora::app
