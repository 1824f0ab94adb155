#include "windows/preview_window.h"

#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "windows/picture_view.h"
#include "windows/translate.h"

namespace pixmora::windows {

namespace {
// The part of the screen a new preview may take, and the size a small
// picture is enlarged to (as far as the screen allows).
constexpr double kScreenShare = 0.8;
const QSize kLeast(240, 180);
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
// its share of the screen allows, at the picture's aspect ratio; centred on
// the owner's screen, so the whole window is on it.
void Form2::FitToScreen(const Picture& picture) {
  const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
  const QRect room = screen->availableGeometry();
  const QSize chrome(0, pointer_->sizeHint().height());
  const QSize frame = frameGeometry().size() - geometry().size();
  const QSize most = (QSizeF(room.size()) * kScreenShare).toSize() - chrome - frame;
  QSize size = (QSizeF(picture->Width(), picture->Height()) / devicePixelRatioF()).toSize();
  if (size.width() < kLeast.width() && size.height() < kLeast.height())
    size.scale(kLeast, Qt::KeepAspectRatioByExpanding);
  if (size.width() > most.width() || size.height() > most.height())
    size.scale(most, Qt::KeepAspectRatio);
  size += chrome;
  resize(size);
  move(room.center() - QPoint(size.width() / 2, size.height() / 2));
}

}  // namespace pixmora::windows
