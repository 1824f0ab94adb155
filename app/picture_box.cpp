#include "app/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/qt_pictures.h"

namespace pixmora::app {

PictureBox::PictureBox(const QString& name, QWidget* parent) : QFrame(parent) {
  setObjectName(name);
  setAutoFillBackground(true);
}

void WorkArea::resizeEvent(QResizeEvent* event) {
  PictureBox::resizeEvent(event);
  if (onResize) onResize();
}

PreviewBox::PreviewBox(const QString& name, PictureSurface& surface, QWidget* parent)
    : PictureBox(name, parent), surface_(surface) {
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  setFixedSize(surface.Width() + 2, surface.Height() + 2);
  Show();
}

void PreviewBox::Show() {
  const Picture shown = surface_.Image();
  image_ = shown ? ToQImage(*shown) : QImage();
  texts_ = surface_.Texts();
  update();
}

void PreviewBox::SetBackColour(ColorRef colour) {
  surface_.BackColor = colour;
  surface_.Cls();
  QPalette p = palette();
  p.setColor(QPalette::Window, ToQColor(colour));
  setPalette(p);
  Show();
}

void PreviewBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  const QPoint origin = contentsRect().topLeft();
  painter.drawImage(origin, image_);
  // Texts are placed with the engine's text metrics; each is centred in the
  // box those metrics give it, so the window's own font lands in the same place.
  painter.setPen(palette().color(QPalette::WindowText));
  for (const PrintedText& t : texts_) {
    const QRectF box(origin.x() + t.x, origin.y() + t.y, surface_.TextWidth(t.text),
                     surface_.TextHeight(t.text));
    painter.drawText(box, Qt::AlignCenter | Qt::TextDontClip, QString::fromStdString(t.text));
  }
}

void PreviewBox::mouseReleaseEvent(QMouseEvent* event) {
  PictureBox::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

}  // namespace pixmora::app
