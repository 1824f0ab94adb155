#include "app/tool_bar.h"

#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

#include "app/tool_icons.h"
#include "session/captions/control_names.h"
#include "windows/translate.h"

namespace pixmora::app {

void BuildToolBar(QMainWindow& window, Form1Controls& c, const std::function<void(int)>& clicked) {
  auto* bar = new QToolBar(&window);
  bar->setObjectName("ToolBar");
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize(QSize(24, 24));
  windows::SetCaption(bar, "Tools");
  // Raised only under the pointer, a button would not show the keyboard's focus.
  bar->setStyleSheet(QStringLiteral("QToolButton:focus { border: 2px solid palette(highlight); border-radius: 3px; }"));
  // The button Qt shows when the window is too narrow for every tool.
  if (auto* more = bar->findChild<QToolButton*>("qt_toolbar_ext_button")) {
    windows::SetAccessibleName(more, "More tools");
    windows::SetToolTip(more, "More tools");
  }
  window.addToolBar(Qt::TopToolBarArea, bar);
  for (int i = 0; i < kToolButtons; ++i) {
    if (i == 5) bar->addSeparator();
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromStdString(IndexedName("Image5", i)));
    button->setIcon(ToolIcon(i));
    windows::SetToolTip(button, ToolTip(i));
    windows::SetAccessibleName(button, ToolTip(i));
    button->setAutoRaise(true);
    QObject::connect(button, &QToolButton::clicked, [clicked, i] { clicked(i); });
    bar->addWidget(button);
    c.Image5[i] = button;
  }
}

}  // namespace pixmora::app
