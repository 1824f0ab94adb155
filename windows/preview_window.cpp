#include "windows/preview_window.h"

#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "windows/picture_view.h"
#include "windows/translate.h"

namespace pixmora::windows {

namespace {
// The part of the screen a new preview may take, and the size a small
// picture is enlarged to (as far as the screen allows).
constexpr double kScreenShare = 2.0 / 3;
const QSize kLeast(240, 180);

// Where a window of that outer size goes beside owner: to its right, else to
// its left, else at the screen's side with the most room; all of it on the
// screen, its top at owner's.
QPoint Beside(const QRect& owner, const QSize& outer, const QRect& room) {
  const int right = owner.right() + 1, left = owner.left() - outer.width();
  int x = right;
  if (right + outer.width() > room.right() + 1)
    x = left >= room.left() ? left
        : room.right() - owner.right() > owner.left() - room.left() ? room.right() + 1 - outer.width()
                                                                     : room.left();
  return {x, std::clamp(owner.top(), room.top(), room.bottom() + 1 - outer.height())};
}
}  // namespace

Form2::Form2(QWidget* owner)
    : QWidget(owner, Qt::Window), picture1_(new PictureView(this)), pointer_(new QLabel(this)) {
  setObjectName("Form2");
  // Closing unloads the window; the next click makes a new one.
  setAttribute(Qt::WA_DeleteOnClose);
  SetCaption(this, "Preview");
  picture1_->setObjectName("picture1");
  pointer_->setObjectName("pointer");
  pointer_->setContentsMargins(6, 2, 6, 2);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(picture1_, 1);
  layout->addWidget(pointer_);
  connect(picture1_, &PictureView::pointed, pointer_, &QLabel::setText);
  setFocusProxy(picture1_);
  new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

void Form2::ShowPicture(const Picture& picture, const QString& caption, const Picture& before,
                        const QString& beforeCaption) {
  picture1_->SetPicture(picture, caption);
  picture1_->SetBefore(before, beforeCaption);
  if (placed_) return;
  FitToScreen(picture);
  placed_ = true;
}

// The picture at 100 % when the screen has room for it, otherwise as large as
// its share of the screen allows, at the picture's aspect ratio; beside the
// owner where the screen has room for it, and all of it on the owner's screen.
void Form2::FitToScreen(const Picture& picture) {
  const QWidget* owner = parentWidget();
  const QScreen* screen = owner ? owner->screen() : this->screen();
  const QRect room = screen->availableGeometry();
  const QSize chrome(0, pointer_->sizeHint().height());
  // The window system frames it once shown; the owner's frame tells how.
  const QWidget* framed = owner ? owner : this;
  const QSize frame = framed->frameGeometry().size() - framed->geometry().size();
  const QSize most = (QSizeF(room.size()) * kScreenShare).toSize() - chrome - frame;
  QSize size = (QSizeF(picture->Width(), picture->Height()) / devicePixelRatioF()).toSize();
  if (size.width() < kLeast.width() && size.height() < kLeast.height())
    size.scale(kLeast, Qt::KeepAspectRatioByExpanding);
  if (size.width() > most.width() || size.height() > most.height())
    size.scale(most, Qt::KeepAspectRatio);
  size += chrome;
  resize(size);
  move(Beside(owner ? owner->frameGeometry() : QRect(room.center(), QSize()), size + frame, room));
}

}  // namespace pixmora::windows
