// The texture window's choice of what the texture is made from: the whole
// result squashed to a square (the design's fit, and the first choice), its
// centre square, or the centre square of the selection.
#pragma once
#include <QGroupBox>
#include <array>

#include "session/texture_square.h"

class QRadioButton;

namespace pixmora::windows {

class TextureFitChoice : public QGroupBox {
  Q_OBJECT
 public:
  // The selection's square is offered only when there is one.
  TextureFitChoice(bool selectionSquare, QWidget* parent);
  TextureFit Fit() const;

 signals:
  void changed();

 private:
  std::array<QRadioButton*, 3> choices_{};  // in the order of TextureFit
};

}  // namespace pixmora::windows
