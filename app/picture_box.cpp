#include "app/picture_box.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "windows/picture_levels.h"
#include "windows/qt_pictures.h"
#include "windows/selection_outline.h"
#include "windows/translate.h"

namespace pixmora::app {

namespace {

// The local file a drag carries when it carries exactly one; empty otherwise.
QString DraggedFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  const QList<QUrl> urls = data->urls();
  return urls.size() == 1 && urls[0].isLocalFile() ? urls[0].toLocalFile() : QString();
}

// A rectangle of the given size's shape, as large as fits in box, centred;
// never thinner than least (a screen pixel), so that a picture of extreme
// shape (1 x 4000) still shows as a line.
QRectF FittedIn(const QSizeF& size, const QRect& box, double least) {
  const QSizeF scaled = size.scaled(box.size(), Qt::KeepAspectRatio);
  QRectF fitted(QPointF(), scaled.expandedTo(QSizeF(least, least)));
  fitted.moveCenter(QRectF(box).center());
  return fitted;
}

// A pressable box as screen readers see it: a button they can press.
class PressableAccessible : public QAccessibleWidget {
 public:
  explicit PressableAccessible(PressableBox* box) : QAccessibleWidget(box, QAccessible::Button) {}
  QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }
  void doAction(const QString& action) override {
    if (action == pressAction() && widget()->isEnabled()) emit static_cast<PressableBox*>(widget())->clicked();
    else QAccessibleWidget::doAction(action);
  }
};

QAccessibleInterface* PressableInterface(const QString&, QObject* object) {
  auto* box = qobject_cast<PressableBox*>(object);
  return box ? new PressableAccessible(box) : nullptr;
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

PressableBox::PressableBox(const QString& name, QWidget* parent) : PictureBox(name, parent) {
  static const bool accessible = (QAccessible::installFactory(PressableInterface), true);
  (void)accessible;
  setFocusPolicy(Qt::StrongFocus);
}

void PressableBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  PaintContents(painter);
  if (!hasFocus()) return;
  painter.setClipping(false);
  painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void PressableBox::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) emit clicked();
  else PictureBox::keyPressEvent(event);
}

PreviewBox::PreviewBox(const QString& name, PictureSurface& surface, QWidget* parent)
    : PressableBox(name, parent), surface_(surface), clickTimer_(new QTimer(this)) {
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  resize(surface.Width() + 2, surface.Height() + 2);
  clickTimer_->setSingleShot(true);
  connect(clickTimer_, &QTimer::timeout, this, &PreviewBox::clicked);
  Show();
}

void PreviewBox::Show() {
  // A surface cleared of its picture (the result handed on) shows blank, not
  // its back colour.
  const Picture full = fullSize_ && fullSize_->GetPicture() ? fullSize_->Image() : nullptr;
  image_ = windows::ToQImage(*surface_.Image());
  texts_ = surface_.Texts();
  // A surface with printed text ("No Preview Available") shows no picture.
  if (full && full->Count() > 0 && texts_.empty()) ShowLevels(full);
  else levels_ = nullptr, update();
  setAccessibleName(windows::PictureCaption(windows::Tr(pictureName_), levels_ ? full : nullptr));
}

std::function<double(const PixelBuffer&)> PreviewBox::DeviceScale() const {
  const QSizeF device = QSizeF(contentsRect().size()) * devicePixelRatioF();
  return [device](const PixelBuffer& picture) {
    return std::min(device.width() / picture.Width(), device.height() / picture.Height());
  };
}

std::function<void()> PreviewBox::LevelAhead() const {
  if (!fullSize_) return [] {};
  // Only the address: a share of the picture would make the job copy it.
  const PixelBuffer* before = fullSize_->GetPicture() ? fullSize_->Image().get() : nullptr;
  return [full = fullSize_, scale = DeviceScale(), before] {
    const Picture picture = full->GetPicture() ? full->Image() : nullptr;
    if (!picture || picture->Count() == 0 || picture.get() == before) return;
    windows::PictureLevels::MakeAhead(picture, scale(*picture));
  };
}

std::function<void(const Picture&)> PreviewBox::ShowAhead() {
  // The window waits for its jobs before its boxes go.
  return [this, scale = DeviceScale()](const Picture& picture) {
    windows::PictureLevels::MakeAhead(picture, scale(*picture));
    QMetaObject::invokeMethod(this, [this, picture] { ShowLevels(picture); }, Qt::QueuedConnection);
  };
}

void PreviewBox::ShowLevels(const Picture& picture) {
  levels_ = windows::PictureLevels::Of(picture);
  connect(levels_.get(), &windows::PictureLevels::levelMade, this, qOverload<>(&QWidget::update),
          Qt::UniqueConnection);
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

void PreviewBox::PaintContents(QPainter& painter) {
  const QRect inner = contentsRect();
  painter.setClipRect(inner);
  const Picture& full = levels_ ? levels_->Source() : nullptr;
  const double pixel = 1 / devicePixelRatioF();
  // Until the picture's levels are made, its 256 x 256 preview stands in.
  const QRectF fitted = full ? FittedIn(QSizeF(full->Width(), full->Height()), inner, pixel) : QRectF();
  const bool drawn = levels_ && levels_->Draw(painter, fitted, QRectF(0, 0, full->Width(), full->Height()), true);
  if (!drawn) PaintSurface(painter, inner);
  if (drawn) drawn_ = full;
  if (levels_ && outline_)
    windows::PaintSelectionOutline(painter, *outline_, fitted, QSize(full->Width(), full->Height()));
}

void PreviewBox::SetOutline(const std::optional<Selection>& selection) {
  if (selection == outline_) return;
  outline_ = selection;
  update();
}

void PreviewBox::PaintSurface(QPainter& painter, const QRect& inner) {
  const QRectF square = FittedIn(QSizeF(surface_.Width(), surface_.Height()), inner, 0);
  const double scale = square.width() / surface_.Width();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(square, image_);
  // Texts are placed with the engine's text metrics; each is centred in the
  // box those metrics give it, so the window's own font lands in the same
  // place. Black or white, whichever reads on the box's back colour, whatever
  // the colour scheme's text colour.
  painter.setPen(palette().color(QPalette::Window).lightnessF() > 0.5 ? Qt::black : Qt::white);
  for (const PrintedText& t : texts_) {
    const QRectF box(square.x() + t.x * scale, square.y() + t.y * scale,
                     surface_.TextWidth(t.text) * scale, surface_.TextHeight(t.text) * scale);
    painter.drawText(box, Qt::AlignCenter | Qt::TextDontClip, QString::fromStdString(t.text));
  }
}

void PreviewBox::mouseReleaseEvent(QMouseEvent* event) {
  PressableBox::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    clickTimer_->start(QApplication::doubleClickInterval());
}

void PreviewBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return PressableBox::mouseDoubleClickEvent(event);
  clickTimer_->stop();
  emit doubleClicked();
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
