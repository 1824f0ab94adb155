// The menu bar: File, then the five operation menus built from the catalogue.
// Every menu and entry carries its design name ("mnuimma", "mnuCol(21)").
#pragma once
#include <QString>
#include <functional>

#include "session/catalogue/catalogue.h"

class QMenuBar;

namespace pixmora::app {

struct MenuCommands {
  std::function<void(Menu, int16_t index)> operation;
  // The File entries other than Exit, by design name.
  std::function<void(const QString& control)> fileEntry;
  std::function<void()> exit;
};

void BuildMenuBar(QMenuBar& bar, const MenuCommands& commands);

}  // namespace pixmora::app
