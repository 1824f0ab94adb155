// Picture boxes: the panels that hold controls (PictureBox), the work area
// that lays out the previews (WorkArea), and the previews that show a picture
// surface, its pixels and its printed texts (PreviewBox). Previews can take a
// picture file dropped on them.
#pragma once
#include <QFrame>
#include <QImage>
#include <functional>
#include <vector>

#include "core/picture_surface.h"

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

class PreviewBox : public PictureBox {
  Q_OBJECT
 public:
  // Shows surface, a display surface the window owns; its size is the box's inner size.
  PreviewBox(const QString& name, PictureSurface& surface, QWidget* parent = nullptr);

  PictureSurface& Surface() { return surface_; }
  // The hidden full-size surface whose picture this box shows fitted; on a
  // high-resolution screen the box then draws that picture at the screen's
  // resolution whenever what it shows is exactly that picture fitted.
  void SetFullSize(const PictureSurface* fullSize) { fullSize_ = fullSize; }
  // Takes a copy of what the surface holds now and repaints. Called on the
  // window's thread whenever no command is writing the surface (or the
  // full-size one).
  void Show();
  // The back colour of the box and of its surface; clears the surface.
  void SetBackColour(ColorRef colour);
  // What the box shows, for tests and screenshots.
  const QImage& Shown() const { return image_; }
  const std::vector<PrintedText>& ShownTexts() const { return texts_; }
  // The preview at the screen's resolution; null when the surface is drawn enlarged.
  const QImage& ShownAtDeviceResolution() const { return deviceImage_; }

 signals:
  void clicked();
  // One local file was dropped on the box. Only boxes that accept drops
  // (setAcceptDrops) take them, and none while it is disabled.
  void fileDropped(const QString& path);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  PictureSurface& surface_;
  const PictureSurface* fullSize_ = nullptr;
  QImage image_;
  // The surface's image the box last showed, and what it looks like at the
  // device's resolution (null when it cannot be drawn sharper).
  Picture shown_;
  double deviceRatio_ = 1;
  QImage deviceImage_;
  std::vector<PrintedText> texts_;
};

}  // namespace pixmora::app
