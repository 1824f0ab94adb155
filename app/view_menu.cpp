#include "app/view_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "app/menu_entries.h"
#include "windows/picture_view.h"

namespace pixmora::app {

namespace {

struct ViewEntry {
  const char* name;
  const char* caption;
  std::optional<Slot> shows;
};

constexpr ViewEntry kShows[] = {
    {"mnuViewPreviews", "All Four Previews", std::nullopt},
    {"mnuViewImageA", "Image (A)", Slot::ImageA},
    {"mnuViewImageB", "Image (B)", Slot::ImageB},
    {"mnuViewResult", "Result", Slot::Result},
    {"mnuViewShape", "Shape", Slot::Shape},
    {"mnuViewPattern", "Pattern", Slot::Pattern},
};

// The entries that act on the large view, with the usual keys of a viewer.
struct ZoomEntry {
  const char* name;
  const char* caption;
  QKeySequence keys;
  void (windows::PictureView::*act)();
};


}  // namespace

void BuildViewMenu(QMenuBar& bar, const ViewCommands& commands) {
  QMenu* menu = AddOwnMenu(bar, "mnuView", "View");
  auto* group = new QActionGroup(menu);
  for (const ViewEntry& e : kShows) {
    QAction* action = AddMenuEntry(*menu, e.name, e.caption);
    action->setCheckable(true);
    action->setChecked(!e.shows);
    group->addAction(action);
    QObject::connect(action, &QAction::triggered, [show = commands.show, which = e.shows] { show(which); });
  }
  menu->addSeparator();
  const ZoomEntry zooms[] = {
      {"mnuZoomIn", "Zoom In", QKeySequence(Qt::CTRL | Qt::Key_Plus), &windows::PictureView::ZoomIn},
      {"mnuZoomOut", "Zoom Out", QKeySequence(Qt::CTRL | Qt::Key_Minus), &windows::PictureView::ZoomOut},
      {"mnuFit", "Fit to Window", QKeySequence(Qt::CTRL | Qt::Key_0), &windows::PictureView::FitToWindow},
      {"mnuActualSize", "Actual Size (100%)", QKeySequence(Qt::CTRL | Qt::Key_1),
       &windows::PictureView::ActualSize},
  };
  for (const ZoomEntry& z : zooms)
    QObject::connect(AddMenuEntry(*menu, z.name, z.caption, {z.keys}), &QAction::triggered,
                     commands.view, z.act);
  // Ctrl+= too: on many keyboards + is = with Shift.
  menu->findChild<QAction*>("mnuZoomIn")->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  menu->addSeparator();
  QAction* before = AddMenuEntry(*menu, "mnuBefore", "Image (A) in Place of the Result (hold B)");
  before->setCheckable(true);
  QObject::connect(before, &QAction::toggled, commands.view, &windows::PictureView::ShowBefore);
}

void SyncViewMenu(QMenuBar& bar, std::optional<Slot> large) {
  for (const ViewEntry& e : kShows)
    if (e.shows == large) bar.findChild<QAction*>(e.name)->setChecked(true);
  for (const char* zoom : {"mnuZoomIn", "mnuZoomOut", "mnuFit", "mnuActualSize"})
    bar.findChild<QAction*>(zoom)->setEnabled(large.has_value());
  QAction* before = bar.findChild<QAction*>("mnuBefore");
  before->setEnabled(large == Slot::Result);
  if (large != Slot::Result) before->setChecked(false);
}

}  // namespace pixmora::app
