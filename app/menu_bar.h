// The menu bar: File, then the five operation menus built from the catalogue.
// Every menu and entry carries its design name ("mnuimma", "mnuCol(21)");
// File's entries beyond the design's are mnuRecent, mnuSample, mnuRepeat and
// mnuReset.
#pragma once
#include <QString>
#include <functional>

#include "session/catalogue/catalogue.h"

class QMenu;
class QMenuBar;

namespace pixmora::app {

struct MenuCommands {
  std::function<void(Menu, int16_t index)> operation;
  // The File entries of the design other than Exit, by design name.
  std::function<void(const QString& control)> fileEntry;
  std::function<void()> exit;
  // File > Open Recent is filled each time it opens.
  std::function<void(QMenu& recent)> fillRecent;
  std::function<void()> repeat;       // File > Repeat (Ctrl+R): the last command again
  std::function<void()> resetValues;  // File > Reset Values: the side panel's start values
};

void BuildMenuBar(QMenuBar& bar, const MenuCommands& commands);
// Each operation's tool tip says what it reads besides image A, in the
// window's language now.
void ShowOperationToolTips(QMenuBar& bar);

}  // namespace pixmora::app
