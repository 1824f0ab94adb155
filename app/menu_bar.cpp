#include "app/menu_bar.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "session/captions/control_names.h"
#include "app/menu_entries.h"
#include "session/captions/design_captions.h"
#include "windows/translate.h"

namespace pixmora::app {

namespace {

QString Caption(const char* control) { return QString::fromStdString(DesignCaptionOf(control)); }

QMenu* AddMenu(QWidget& parent, const char* control) {
  auto* menu = new QMenu(Caption(control), &parent);
  menu->setObjectName(control);
  if (auto* bar = qobject_cast<QMenuBar*>(&parent)) bar->addMenu(menu);
  else static_cast<QMenu&>(parent).addMenu(menu);
  return menu;
}

void AddSeparator(QMenu& menu, const QString& control) {
  menu.addSeparator()->setObjectName(control);
}

void AddFileEntry(QMenu& menu, const char* control, const MenuCommands& commands,
                  const QKeySequence& shortcut = {}) {
  QAction* action = menu.addAction(Caption(control));
  action->setObjectName(control);
  action->setShortcut(shortcut);
  const QString name = control;
  QObject::connect(action, &QAction::triggered, [fileEntry = commands.fileEntry, name] {
    fileEntry(name);
  });
}

void AddEntry(QMenu& menu, const char* control, const char* english, const std::function<void()>& run,
              const QKeySequence& shortcut = {}) {
  QObject::connect(AddMenuEntry(menu, control, english, {shortcut}), &QAction::triggered, run);
}

void BuildFileMenu(QMenuBar& bar, const MenuCommands& commands) {
  QMenu* file = AddMenu(bar, "mnufi");
  QMenu* open = AddMenu(*file, "mnuapri");
  // The usual keys for opening, saving and leaving; Qt shows them in the menus.
  AddFileEntry(*open, "mnuimma", commands, QKeySequence(Qt::CTRL | Qt::Key_O));
  AddFileEntry(*open, "mnuimmb", commands);
  QMenu* recent = AddOwnMenu(*file, "mnuRecent", "Open Recent");
  recent->setToolTipsVisible(true);
  QObject::connect(recent, &QMenu::aboutToShow, [recent, fill = commands.fillRecent] { fill(*recent); });
  AddEntry(*file, "mnuSample", "Open Sample", [fileEntry = commands.fileEntry] { fileEntry("mnuSample"); });
  AddSeparator(*file, "pos3");
  AddFileEntry(*file, "mnusalvap", commands);
  AddSeparator(*file, "pos");
  QMenu* save = AddMenu(*file, "mnusalvax");
  AddFileEntry(*save, "mnusalva", commands, QKeySequence(Qt::CTRL | Qt::Key_S));
  AddFileEntry(*save, "mnusalvaa", commands);
  AddFileEntry(*save, "mnusalvab", commands);
  AddSeparator(*file, "pos1");
  AddFileEntry(*file, "mnutex", commands);
  AddSeparator(*file, "posRepeat");
  AddEntry(*file, "mnuRepeat", "Repeat Last Command", commands.repeat, QKeySequence(Qt::CTRL | Qt::Key_R));
  AddEntry(*file, "mnuReset", "Reset Values", commands.resetValues);
  AddSeparator(*file, "pos2");
  QAction* exit = file->addAction(Caption("mnuesci"));
  exit->setObjectName("mnuesci");
  exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  QObject::connect(exit, &QAction::triggered, commands.exit);
}

void BuildOperationMenu(QMenuBar& bar, Menu which, const MenuCommands& commands) {
  QMenu* menu = AddMenu(bar, MenuBarName(which));
  // Each entry's tooltip says what the command reads besides image A.
  menu->setToolTipsVisible(true);
  for (const CatalogueEntry& e : MenuEntries(which)) {
    const QString name = QString::fromStdString(MenuEntryName(which, e.index));
    if (e.IsSeparator()) {
      AddSeparator(*menu, name);
      continue;
    }
    QAction* action = menu->addAction(QString::fromUtf8(e.caption));
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered,
                     [run = commands.operation, which, index = e.index] { run(which, index); });
  }
}

}  // namespace

void BuildMenuBar(QMenuBar& bar, const MenuCommands& commands) {
  bar.setObjectName("MenuBar");
  BuildFileMenu(bar, commands);
  for (Menu menu : kMenus) BuildOperationMenu(bar, menu, commands);
  ShowOperationToolTips(bar);
}

void ShowOperationToolTips(QMenuBar& bar) {
  for (const CatalogueEntry& e : Catalogue()) {
    if (e.IsSeparator()) continue;
    QStringList inputs;
    for (const InputInfo& info : AllInputs())
      if (Has(e.reads, info.input)) inputs << windows::Tr(info.name);
    bar.findChild<QAction*>(QString::fromStdString(MenuEntryName(e.menu, e.index)))
        ->setToolTip(inputs.isEmpty() ? windows::Tr("Uses image A only")
                                      : windows::Tr("Uses image A, %1").arg(inputs.join(QStringLiteral(", "))));
  }
}

}  // namespace pixmora::app
