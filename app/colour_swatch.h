// Label6(0..1): a colour's swatch in the side panel, which a click, Enter or
// Space opens in the colour dialog.
#pragma once
#include "app/picture_box.h"

namespace pixmora::app {

class ColourSwatch : public PressableBox {
  Q_OBJECT
 public:
  using PressableBox::PressableBox;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace pixmora::app
