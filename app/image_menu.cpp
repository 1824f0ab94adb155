#include "app/image_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/menu_entries.h"
#include "windows/translate.h"

namespace pixmora::app {

void BuildImageMenu(QMenuBar& bar, const ImageCommands& commands) {
  QMenu* menu = AddOwnMenu(bar, "mnuImage", "Image");
  menu->setToolTipsVisible(true);
  QAction* flatten = AddMenuEntry(*menu, "mnuFlatten", kFlattenCaption);
  windows::SetToolTip(flatten, "Uses image A and colour 2: its transparent parts take colour 2");
  QObject::connect(flatten, &QAction::triggered, commands.flatten);
}

}  // namespace pixmora::app
