// Form1 from the keyboard alone: Tab reaches every control in reading order
// (the bars through their value fields, which Up, Down, Page Up and Page Down
// move), and Enter or Space presses a swatch or a preview.
#include <QAction>
#include <QActionGroup>
#include <QPushButton>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>

#include "app/colour_swatch.h"
#include "app/form1.h"
#include "app/picture_box.h"
#include "app/value_field.h"
#include "windows/picture_view.h"

namespace pixmora::app {

void Form1::SetTabOrder() {
  QList<QWidget*> order(c_.Image5.begin(), c_.Image5.end());
  auto* bar = findChild<QToolBar*>("ToolBar");
  QList<QAction*> toggles = {live_, chain_};
  toggles << selectionTools_->actions();
  for (QAction* toggle : toggles) {
    order << bar->widgetForAction(toggle);
    order.back()->setFocusPolicy(Qt::TabFocus);
  }
  order << c_.Label6[0] << c_.Label4[0] << c_.Label4[1] << c_.Label4[2] << c_.Label6[1] << c_.Label4[3]
        << c_.Label4[4] << c_.Label4[5] << c_.Label3 << c_.Label9 << c_.Slider1 << c_.picture1 << c_.Image2
        << c_.Image3 << c_.Image1 << c_.Picture4 << c_.largeView << c_.cancelButton << c_.noticesButton;
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

}  // namespace pixmora::app
