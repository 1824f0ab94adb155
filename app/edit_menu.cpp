#include "app/edit_menu.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>

#include "app/form1.h"
#include "app/history_panel.h"
#include "app/menu_entries.h"
#include "app/missing_pictures.h"
#include "app/mnemonics.h"
#include "app/recipe_commands.h"
#include "windows/translate.h"

namespace pixmora::app {

namespace {

// Undo and Redo name the step they would undo or redo, and are there only
// while no command runs and there is such a step.
void FollowHistory(Form1& window, QAction* undo, QAction* redo) {
  const auto update = [&window, undo, redo] {
    if (!window.HasHistory()) return;
    const History& history = window.SessionHistory();
    const auto& entries = history.Entries();
    undo->setEnabled(!window.Busy() && history.CanUndo());
    redo->setEnabled(!window.Busy() && history.CanRedo());
    undo->setText(windows::Tr("Undo %1").arg(history.CanUndo() ? QString::fromStdString(entries[history.Position()].name) : QString()).trimmed());
    redo->setText(windows::Tr("Redo %1").arg(history.CanRedo() ? QString::fromStdString(entries[history.Position() + 1].name) : QString()).trimmed());
  };
  QObject::connect(&window, &Form1::historyChanged, undo, [update, undo] {
    update();
    AssignMnemonics(*qobject_cast<QMenu*>(undo->parent()));
  });
  QObject::connect(&window, &Form1::availabilityChanged, undo, update);
  QObject::connect(&window, &Form1::languageChanged, undo, update);
  update();
}

}  // namespace

void BuildEditMenu(Form1& window) {
  QMenuBar& bar = *window.menuBar();
  QAction* after = window.findChild<QMenu*>("mnufi")->menuAction();
  const QList<QAction*> top = bar.actions();
  QAction* before = top.indexOf(after) + 1 < top.size() ? top[top.indexOf(after) + 1] : nullptr;

  QMenu* edit = AddOwnMenu(bar, "mnuEdit", "Edit");
  bar.insertMenu(before, edit);
  QAction* undo = AddMenuEntry(*edit, "mnuUndo", "Undo", {QKeySequence(Qt::CTRL | Qt::Key_Z)});
  QAction* redo = AddMenuEntry(*edit, "mnuRedo", "Redo",
                               {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  QObject::connect(undo, &QAction::triggered, &window, &Form1::Undo);
  QObject::connect(redo, &QAction::triggered, &window, &Form1::Redo);
  FollowHistory(window, undo, redo);
  edit->addSeparator();
  QAction* copy = AddMenuEntry(*edit, "mnuCopyCommand", "Copy as command");
  QObject::connect(copy, &QAction::triggered, &window, [&window] {
    const QString line = ResultCommandLine(window.SessionHistory());
    if (line.isEmpty()) window.Report(windows::Tr(kOpenImageAFirst));
    else QApplication::clipboard()->setText(line);
  });
  QAction* save = AddMenuEntry(*edit, "mnuSaveRecipe", "Save recipe...");
  QObject::connect(save, &QAction::triggered, &window,
                   [&window] { SaveRecipe(window, window.SessionHistory()); });
}

void AddHistoryEntry(QMenu& view, HistoryPanel& panel) {
  view.addSeparator();
  QAction* history = panel.toggleViewAction();
  history->setObjectName("mnuHistory");
  windows::SetCaption(history, "History");
  view.addAction(history);
}

}  // namespace pixmora::app
