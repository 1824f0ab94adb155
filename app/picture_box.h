// Picture boxes: the panels that hold controls (PictureBox), the work area
// that lays out the previews (WorkArea), and the previews that show a picture
// surface, its pixels and its printed texts (PreviewBox).
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
  // Takes a copy of what the surface holds now and repaints. Called on the
  // window's thread whenever no command is writing the surface.
  void Show();
  // The back colour of the box and of its surface; clears the surface.
  void SetBackColour(ColorRef colour);
  // What the box shows, for tests and screenshots.
  const QImage& Shown() const { return image_; }
  const std::vector<PrintedText>& ShownTexts() const { return texts_; }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  PictureSurface& surface_;
  QImage image_;
  std::vector<PrintedText> texts_;
};

}  // namespace pixmora::app
