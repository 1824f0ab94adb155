#include "app/picture_box.h"

#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include "app/device_preview.h"
#include "windows/qt_pictures.h"

namespace pixmora::app {

namespace {

// The local file a drag carries when it carries exactly one; empty otherwise.
QString DraggedFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  const QList<QUrl> urls = data->urls();
  return urls.size() == 1 && urls[0].isLocalFile() ? urls[0].toLocalFile() : QString();
}

}  // namespace

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
  const double ratio = devicePixelRatioF();
  // The full-size picture is scaled again only when the preview has changed.
  if (shown != shown_ || ratio != deviceRatio_)
    deviceImage_ = fullSize_ ? DevicePreview(surface_, fullSize_->Image(), ratio) : QImage();
  shown_ = shown;
  deviceRatio_ = ratio;
  image_ = shown ? windows::ToQImage(*shown) : QImage();
  texts_ = surface_.Texts();
  update();
}

void PreviewBox::SetBackColour(ColorRef colour) {
  surface_.BackColor = colour;
  surface_.Cls();
  QPalette p = palette();
  p.setColor(QPalette::Window, windows::ToQColor(colour));
  setPalette(p);
  Show();
}

void PreviewBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  const QPoint origin = contentsRect().topLeft();
  painter.setClipRect(contentsRect());
  // Otherwise the surface is enlarged pixel by pixel, never blurred.
  const bool sharper = !deviceImage_.isNull() &&
                       deviceImage_.devicePixelRatio() == painter.device()->devicePixelRatioF();
  painter.drawImage(origin, sharper ? deviceImage_ : image_);
  painter.setClipping(false);
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

void PreviewBox::dragEnterEvent(QDragEnterEvent* event) {
  if (isEnabled() && !DraggedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
  else event->ignore();
}

void PreviewBox::dropEvent(QDropEvent* event) {
  const QString file = DraggedFile(event->mimeData());
  if (!isEnabled() || file.isEmpty()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  emit fileDropped(file);
}

}  // namespace pixmora::app
