// Label6(0..1): a colour's swatch in the side panel, which a click opens in
// the colour dialog.
#pragma once
#include <QLabel>

namespace pixmora::app {

class ColourSwatch : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace pixmora::app
