// Chain: while it is on, each command's result goes on as image A as soon as
// it is made, as File > Save > "Load image (A)" would, so that effects build
// on each other; the command and the hand-on are one step of the history.
// The result's preview then shows what the hand-on leaves: nothing. A Live
// burst hands on once, from the image A it started with, as a drag of the
// slider does, which turns the picture once, on release. Off, every command starts from image A, as the design
// has it.
#include <QAction>
#include <QMenu>
#include <QToolBar>

#include "app/form1.h"
#include "app/tool_icons.h"
#include "app/user_settings.h"
#include "session/recipe/recipe_run.h"
#include "windows/translate.h"

namespace pixmora::app {

void Form1::BuildChain() {
  chain_ = new QAction(this);
  chain_->setObjectName("mnuChain");
  chain_->setCheckable(true);
  chain_->setChecked(SavedChain());
  chain_->setIcon(OwnToolIcon(OwnTool::Chain));
  chain_->setIconVisibleInMenu(false);  // the menu shows its tick instead
  windows::SetCaption(chain_, "Chain");
  windows::SetToolTip(chain_, "Chain: each command's result becomes image A, so that commands build on each other");
  connect(chain_, &QAction::toggled, this, [](bool on) { SaveChain(on); });
  findChild<QMenu*>("mnuEdit")->addAction(chain_);
  auto* bar = findChild<QToolBar*>("ToolBar");
  bar->addAction(chain_);
  windows::SetAccessibleName(bar->widgetForAction(chain_), "Chain commands");
}

bool Form1::Chained() const { return chain_ && chain_->isChecked(); }

void Form1::RecordCommand(const RecipeStep& step, bool chained) {
  if (!chained) {
    RecordStep(step);
    return;
  }
  HandOnAsImageA();
  RecordSteps(ChainedSteps(step));
}

void Form1::HandOnAsImageA() {
  PutPicture(Slot::ImageA, ws_.Pic4.Image());
  ws_.Pic4.SetPicture(nullptr);
  ws_.Image1.SetPicture(nullptr);
}

}  // namespace pixmora::app
