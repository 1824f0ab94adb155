// The window's own menu entries (beyond the design's): each has an object
// name, an English caption shown in the window's language, and its keys.
#pragma once
#include <QKeySequence>
#include <QList>

class QAction;
class QMenu;
class QWidget;

namespace pixmora::app {

QAction* AddMenuEntry(QMenu& menu, const char* name, const char* english,
                      const QList<QKeySequence>& keys = {});

// A menu of the window's own, added to parent (a menu bar or a menu).
QMenu* AddOwnMenu(QWidget& parent, const char* name, const char* english);

}  // namespace pixmora::app
