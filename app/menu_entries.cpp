#include "app/menu_entries.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "windows/translate.h"

namespace pixmora::app {

QAction* AddMenuEntry(QMenu& menu, const char* name, const char* english, const QList<QKeySequence>& keys) {
  QAction* action = menu.addAction(QString());
  action->setObjectName(name);
  action->setShortcuts(keys);
  windows::SetCaption(action, english);
  return action;
}

QMenu* AddOwnMenu(QWidget& parent, const char* name, const char* english) {
  auto* menu = new QMenu(&parent);
  menu->setObjectName(name);
  windows::SetCaption(menu, english);
  if (auto* bar = qobject_cast<QMenuBar*>(&parent)) bar->addMenu(menu);
  else static_cast<QMenu&>(parent).addMenu(menu);
  return menu;
}

}  // namespace pixmora::app
