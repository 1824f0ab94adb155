// A one-line label that never cuts its text at its edge: a text too long for
// it loses its middle to an ellipsis, so both the start (what) and the end
// (why) stay in sight. It asks for no more than a sentence's width, so a
// long text neither pushes the window wider nor crowds its neighbours out.
#pragma once
#include <QLabel>

namespace pixmora::app {

class ElidedLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

  // The text as drawn at the label's present width.
  QString ShownText() const;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect TextArea() const;
  int CharactersWide(int characters) const;
};

}  // namespace pixmora::app
