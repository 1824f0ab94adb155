#include "windows/picture_view.h"

#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "core/show_fitted.h"
#include "windows/picture_levels.h"
#include "windows/translate.h"
#include "windows/zoom_steps.h"

namespace pixmora::windows {

namespace {

bool Empty(const Picture& picture) { return !picture || picture->Count() == 0; }

QPointF Centre(const QWidget* w) { return QRectF(w->rect()).center(); }

}  // namespace

PictureView::PictureView(QWidget* parent) : QAbstractScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::WheelFocus);
  viewport()->setBackgroundRole(QPalette::Window);
  viewport()->setMouseTracking(true);
  viewport()->grabGesture(Qt::PinchGesture);
  viewport()->setCursor(Qt::OpenHandCursor);
  SetAccessibleName(horizontalScrollBar(), "Horizontal scroll bar of the picture");
  SetAccessibleName(verticalScrollBar(), "Vertical scroll bar of the picture");
}

PictureView::~PictureView() = default;

std::shared_ptr<PictureLevels> PictureView::Levels(const Picture& picture) {
  if (Empty(picture)) return nullptr;
  auto levels = PictureLevels::Of(picture);
  connect(levels.get(), &PictureLevels::levelMade, viewport(), qOverload<>(&QWidget::update),
          Qt::UniqueConnection);
  return levels;
}

void PictureView::SetPicture(const Picture& picture, const QString& caption) {
  caption_ = caption;
  setAccessibleName(PictureCaption(caption, picture));
  if (picture != picture_) {
    const bool sameSize = !Empty(picture) && !Empty(picture_) && picture->Width() == picture_->Width() &&
                          picture->Height() == picture_->Height();
    if (!sameSize) fit_ = true;
    picture_ = picture;
    levels_ = Levels(picture_);
  }
  UpdateScrollBars();
  viewport()->update();
}

void PictureView::SetBefore(const Picture& before, const QString& caption) {
  before_ = Empty(before) ? nullptr : before;
  beforeCaption_ = caption;
  beforeLevels_ = Levels(before_);
  viewport()->update();
}

void PictureView::ShowBefore(bool on) {
  showBefore_ = on;
  UpdateScrollBars();
  viewport()->update();
}

double PictureView::Zoom() const {
  const Picture& shown = Shown();
  if (!fit_ || Empty(shown)) return zoom_;
  const double ratio = devicePixelRatioF();
  return std::min(viewport()->width() * ratio / shown->Width(),
                  viewport()->height() * ratio / shown->Height());
}

double PictureView::Scale() const { return Zoom() / devicePixelRatioF(); }

QPointF PictureView::Origin() const {
  const Picture& shown = Shown();
  if (Empty(shown)) return {};
  const double w = shown->Width() * Scale(), h = shown->Height() * Scale();
  const QSize v = viewport()->size();
  // Smaller than the viewport, the picture sits in its middle; larger, the
  // scroll bars say which part shows.
  return {w <= v.width() ? (v.width() - w) / 2 : -horizontalScrollBar()->value(),
          h <= v.height() ? (v.height() - h) / 2 : -verticalScrollBar()->value()};
}

QPointF PictureView::PicturePoint(const QPointF& at) const { return (at - Origin()) / Scale(); }
QPointF PictureView::ViewportPoint(const QPointF& picturePoint) const { return picturePoint * Scale() + Origin(); }

void PictureView::UpdateScrollBars() {
  const Picture& shown = Shown();
  const QSize v = viewport()->size();
  // Fitted, the picture never needs them (rounding aside).
  const bool none = fit_ || Empty(shown);
  const int w = none ? 0 : static_cast<int>(std::ceil(shown->Width() * Scale()));
  const int h = none ? 0 : static_cast<int>(std::ceil(shown->Height() * Scale()));
  horizontalScrollBar()->setRange(0, std::max(0, w - v.width()));
  horizontalScrollBar()->setPageStep(v.width());
  horizontalScrollBar()->setSingleStep(20);
  verticalScrollBar()->setRange(0, std::max(0, h - v.height()));
  verticalScrollBar()->setPageStep(v.height());
  verticalScrollBar()->setSingleStep(20);
}

void PictureView::SetZoom(double zoom, const QPointF& anchor) {
  if (Empty(Shown())) return;
  const QPointF point = PicturePoint(anchor);
  zoom_ = std::clamp(zoom, kLeastZoom, kMostZoom);
  fit_ = false;
  UpdateScrollBars();
  const QPointF scrolled = point * Scale() - anchor;
  horizontalScrollBar()->setValue(static_cast<int>(std::lround(scrolled.x())));
  verticalScrollBar()->setValue(static_cast<int>(std::lround(scrolled.y())));
  viewport()->update();
}

void PictureView::FitToWindow() {
  fit_ = true;
  UpdateScrollBars();
  viewport()->update();
}

void PictureView::ActualSize() { SetZoom(1, Centre(viewport())); }
void PictureView::ZoomIn() { SetZoom(ZoomInFrom(Zoom()), Centre(viewport())); }
void PictureView::ZoomOut() { SetZoom(ZoomOutFrom(Zoom()), Centre(viewport())); }

void PictureView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const Picture& shown = Shown();
  if (Empty(shown)) {
    painter.drawText(viewport()->rect(), Qt::AlignCenter, QString::fromUtf8(kNoPreview));
    return;
  }
  const double scale = Scale();
  const QRectF whole(Origin(), QSizeF(shown->Width() * scale, shown->Height() * scale));
  const QRectF visible = whole.intersected(QRectF(viewport()->rect()));
  const QRectF source((visible.topLeft() - whole.topLeft()) / scale, visible.size() / scale);
  // Square pixels from 100 % up, where a person looks at single pixels.
  auto& levels = ShowingBefore() ? beforeLevels_ : levels_;
  levels->Draw(painter, visible, source, fit_ || Zoom() < 1);
  PaintSelection(painter);
  PaintCaption(painter, ShowingBefore() ? beforeCaption_ : caption_);
}

// The name of what is shown, in the top left corner, readable on any picture.
void PictureView::PaintCaption(QPainter& painter, const QString& caption) {
  if (caption.isEmpty()) return;
  const QRect text = painter.fontMetrics().boundingRect(caption).adjusted(-6, -3, 6, 3);
  const QRect box(QPoint(8, 8), text.size());
  painter.fillRect(box, QColor(0, 0, 0, 160));
  painter.setPen(Qt::white);
  painter.drawText(box, Qt::AlignCenter, caption);
}

void PictureView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void PictureView::scrollContentsBy(int, int) { viewport()->update(); }

void PictureView::Point(const QPointF& at) {
  const Picture& shown = Shown();
  const QPointF p = PicturePoint(at);
  const int x = static_cast<int>(std::floor(p.x())), y = static_cast<int>(std::floor(p.y()));
  if (Empty(shown) || x < 0 || y < 0 || x >= shown->Width() || y >= shown->Height()) {
    emit pointed(QString());
    return;
  }
  const ColorRef c = shown->At(x, y);
  const QString alpha = shown->GetAlpha() ? QStringLiteral(", A %1").arg(shown->AlphaAt(x, y)) : QString();
  emit pointed(QStringLiteral("x %1, y %2: R %3, G %4, B %5")
                   .arg(x)
                   .arg(y)
                   .arg(c & 0xFF)
                   .arg((c >> 8) & 0xFF)
                   .arg((c >> 16) & 0xFF) +
               alpha);
}

}  // namespace pixmora::windows
