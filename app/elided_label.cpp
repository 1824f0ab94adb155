#include "app/elided_label.h"

#include <QPainter>
#include <QStyle>

namespace pixmora::app {

namespace {
// Room for a few words at least, and asked for a sentence at most.
constexpr int kLeastCharacters = 12;
constexpr int kWantedCharacters = 50;
}  // namespace

int ElidedLabel::CharactersWide(int characters) const {
  return fontMetrics().averageCharWidth() * characters;
}

QRect ElidedLabel::TextArea() const {
  const int m = margin();
  return contentsRect().adjusted(m, m, -m, -m);
}

QString ElidedLabel::ShownText() const {
  return fontMetrics().elidedText(text(), Qt::ElideMiddle, TextArea().width());
}

QSize ElidedLabel::sizeHint() const {
  const QSize whole = QLabel::sizeHint();
  return {std::min(whole.width(), CharactersWide(kWantedCharacters)), whole.height()};
}

QSize ElidedLabel::minimumSizeHint() const {
  return {CharactersWide(kLeastCharacters), QLabel::minimumSizeHint().height()};
}

void ElidedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawFrame(&painter);
  style()->drawItemText(&painter, TextArea(), QStyle::visualAlignment(layoutDirection(), alignment()),
                        palette(), isEnabled(), ShownText(), foregroundRole());
}

}  // namespace pixmora::app
