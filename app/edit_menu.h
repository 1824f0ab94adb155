// The Edit menu (Undo, Redo, "Copy as command", "Save recipe...") and the
// View menu with the history panel, both after the File menu.
#pragma once

namespace pixmora::app {

class Form1;
class HistoryPanel;

void BuildEditAndViewMenus(Form1& window, HistoryPanel& panel);

}  // namespace pixmora::app
