// The Edit menu after the File menu (Undo, Redo, "Copy as command", "Save
// recipe..."), and the history panel's entry in the View menu.
#pragma once

class QMenu;

namespace pixmora::app {

class Form1;
class HistoryPanel;

void BuildEditMenu(Form1& window);
void AddHistoryEntry(QMenu& view, HistoryPanel& panel);

}  // namespace pixmora::app
