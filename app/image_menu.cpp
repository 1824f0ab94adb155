#include "app/image_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <iterator>

#include "app/form1.h"
#include "app/menu_entries.h"
#include "app/resize_dialog.h"
#include "app/selection_dialog.h"
#include "windows/translate.h"

namespace pixmora::app {

namespace {

// By ImageCommand: each command's entry and its caption.
constexpr const char* kEntryNames[] = {"mnuCrop",           "mnuResize",   "mnuFlipHorizontal",
                                       "mnuFlipVertical",   "mnuTurnLeft", "mnuTurnRight"};
constexpr const char* kCaptions[] = {"Crop to Selection", "Resize...",             "Flip Horizontal",
                                     "Flip Vertical",     "Rotate 90\u00B0 Left", "Rotate 90\u00B0 Right"};

void AddCommands(QMenu& menu, Form1& window) {
  for (size_t i = 0; i < std::size(kEntryNames); ++i) {
    QAction* action = AddMenuEntry(menu, kEntryNames[i], kCaptions[i]);
    ImageStep step;
    step.command = static_cast<ImageCommand>(i);
    step.toSelection = step.command == ImageCommand::Crop;
    if (step.command == ImageCommand::Resize)
      QObject::connect(action, &QAction::triggered, &window, [&window] { window.ResizeImageA(); });
    else QObject::connect(action, &QAction::triggered, &window, [&window, step] { window.RunImageOperation(step); });
    if (step.command == ImageCommand::Resize || step.command == ImageCommand::FlipVertical) menu.addSeparator();
  }
}

void AddFlatten(QMenu& menu, Form1& window) {
  menu.setToolTipsVisible(true);
  QAction* flatten = AddMenuEntry(menu, "mnuFlatten", kFlattenCaption);
  windows::SetToolTip(flatten, "Uses image A and colour 2: its transparent parts take colour 2");
  QObject::connect(flatten, &QAction::triggered, &window, [&window] { window.Flatten(); });
}

void AddSelectionEntries(QMenu& menu, Form1& window) {
  Workspace& ws = window.Session();
  QAction* all = AddMenuEntry(menu, "mnuSelectAll", "Select All", {QKeySequence(Qt::CTRL | Qt::Key_A)});
  QObject::connect(all, &QAction::triggered, &window, [&window, &ws] {
    const int feather = ws.selection ? ws.selection->feather : 0;
    window.ChangeSelection(Selection{SelectionShape::Rectangle, {0, 0, ws.Pic1.Width(), ws.Pic1.Height()}, feather},
                           "Select All");
  });
  QAction* none = AddMenuEntry(menu, "mnuSelectNone", "Select None", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A)});
  QObject::connect(none, &QAction::triggered, &window,
                   [&window] { window.ChangeSelection(std::nullopt, "Select None"); });
  QAction* invert = AddMenuEntry(menu, "mnuInvertSelection", "Invert Selection");
  QObject::connect(invert, &QAction::triggered, &window, [&window, &ws] {
    if (!ws.selection) return;
    Selection inverted = *ws.selection;
    inverted.inverted = !inverted.inverted;
    window.ChangeSelection(inverted, "Invert Selection");
  });
  QAction* typed = AddMenuEntry(menu, "mnuSelection", "Selection...");
  QObject::connect(typed, &QAction::triggered, &window, [&window] { window.TypeSelection(); });
}

// The entries are there while no command runs, with an image A (and a
// selection, for those that need one).
void FollowAvailability(QMenu& menu, Form1& window) {
  const auto update = [&menu, &window] {
    const bool idle = !window.Busy();
    const bool imageA = idle && window.Session().Pic1.GetPicture();
    const bool selection = imageA && window.Session().selection;
    for (QAction* action : menu.actions()) action->setEnabled(imageA);
    for (const char* name : {"mnuCrop", "mnuSelectNone", "mnuInvertSelection"})
      menu.findChild<QAction*>(name)->setEnabled(selection);
  };
  QObject::connect(&window, &Form1::availabilityChanged, &menu, update);
  QObject::connect(&window, &Form1::historyChanged, &menu, update);
  update();
}

}  // namespace

void BuildImageMenu(Form1& window) {
  window.SetResizeDialog(AskResize);
  window.SetSelectionDialog(AskSelection);
  QMenuBar& bar = *window.menuBar();
  QMenu* menu = AddOwnMenu(bar, "mnuImage", "Image");
  bar.insertMenu(bar.findChild<QMenu*>("mnuView")->menuAction(), menu);
  AddCommands(*menu, window);
  menu->addSeparator();
  AddFlatten(*menu, window);
  menu->addSeparator();
  AddSelectionEntries(*menu, window);
  FollowAvailability(*menu, window);
}

const char* ImageEntryName(ImageCommand command) { return kEntryNames[static_cast<size_t>(command)]; }

}  // namespace pixmora::app
