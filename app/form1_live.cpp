// Live values: while Live is on and the current step is a menu command, moving
// a bar that command reads runs that command again with the new values, on the
// same pictures, away from the window's thread. A run whose values were moved
// on before it ended is dropped (its result never shown); the newest values
// then run. A burst of such runs is one step of the history, after the menu's
// (with Chain, in place of the menu's, from the image A it started with).
// Cancel or Esc stops the run under way and ends the burst.
#include <QAction>
#include <QMenu>
#include <QScrollBar>
#include <QToolBar>

#include "app/form1.h"
#include "app/user_settings.h"
#include "session/dispatch.h"
#include "session/recipe/recipe_run.h"
#include "session/history/step_description.h"
#include "windows/translate.h"

namespace pixmora::app {

void Form1::BuildLive() {
  live_ = new QAction(this);
  live_->setObjectName("mnuLive");
  live_->setCheckable(true);
  live_->setChecked(SavedLive());
  windows::SetCaption(live_, "Live");
  windows::SetToolTip(live_, "Live: the last command follows the bars it reads as they move");
  connect(live_, &QAction::toggled, this, [](bool on) { SaveLive(on); });
  findChild<QMenu*>("mnuEdit")->addSeparator();
  findChild<QMenu*>("mnuEdit")->addAction(live_);
  auto* bar = findChild<QToolBar*>("ToolBar");
  bar->addSeparator();
  bar->addAction(live_);
  const std::pair<QScrollBar*, Input> bars[] = {
      {c_.HS1[0], Input::Colour1}, {c_.HS1[1], Input::Colour1}, {c_.HS1[2], Input::Colour1},
      {c_.HS1[3], Input::Colour2}, {c_.HS1[4], Input::Colour2}, {c_.HS1[5], Input::Colour2},
      {c_.HScroll1, Input::Strength}, {c_.HScroll2, Input::Size}};
  for (const auto& [scrollBar, input] : bars)
    connect(scrollBar, &QScrollBar::valueChanged, this, [this, input = input] { ValueMoved(input); });
  connect(this, &Form1::commandFinished, this, [this] {
    if (liveWanted_ != liveStarted_) ValueMoved(std::nullopt);
  });
}

const RecipeStep* Form1::LiveStep() const {
  if (!live_ || !live_->isChecked() || !history_ || history_->Position() == 0) return nullptr;
  // A chained command's step ends with its hand-on.
  const std::vector<RecipeStep>& steps = history_->Entries()[history_->Position()].steps;
  const bool chained = steps.size() == 2 && steps.back().kind == RecipeStep::Kind::HandOn;
  if (steps.size() != 1 && !chained) return nullptr;
  return steps.front().kind == RecipeStep::Kind::Command ? &steps.front() : nullptr;
}

void Form1::ValueMoved(std::optional<Input> input) {
  const RecipeStep* step = LiveStep();
  if (!step) return;
  const CatalogueEntry* entry = FindEntry(step->menu, step->index);
  if (input && (!entry || !Has(entry->reads, *input))) return;
  if (input) ++liveWanted_;
  if (Busy()) return;  // the run under way ends first, then the newest values run
  const unsigned wanted = liveStarted_ = liveWanted_;
  const size_t at = history_->Position();
  const bool chained = history_->Entries()[at].steps.size() > 1;
  RecipeStep again = *step;
  again.values = ReadControlValues();
  const auto run = [this, at, again, wanted, chained](const CancelToken& cancel) mutable {
    // Chained, the command runs again on the image A it was chained from.
    const Result<SessionState> shown = history_->PeekState(at), from = history_->PeekState(chained ? at - 1 : at);
    if (!shown || !from) return true;
    // (Its preview follows at the end: a picture put now would send the
    // planes' preparation off beside this run.)
    if (chained) RestoreState(ws_, *from);
    ws_.values = again.values;
    NoteBackColour(again, ws_);
    if (!RunMenuRoutine(ws_, again.menu, again.index, &cancel)) {
      if (chained) RestoreState(ws_, *shown);
      return false;
    }
    if (liveWanted_ != wanted) {  // overtaken: what is shown stays
      Restore(*shown);
      return true;
    }
    PublishResult(ws_);
    if (chained) HandOnAsImageA();
    const std::string values = StepDetails(again, *history_, false);
    const std::string name = StepName(again).toStdString() + (values.empty() ? "" : ", " + values);
    const std::vector<RecipeStep> steps = chained ? ChainedSteps(again) : std::vector{again};
    // The burst's first run is a step of its own, the later ones (and a
    // chained command's runs) take its place.
    if (chained || at == liveStepAt_)
      history_->ReplaceCurrent(name, StepDetails(again, *history_), steps, CaptureState(ws_));
    else history_->Record(name, StepDetails(again, *history_), steps, CaptureState(ws_));
    liveStepAt_ = history_->Position();
    QMetaObject::invokeMethod(this, [this] { emit historyChanged(); });
    return true;
  };
  // Stopped, the burst ends: what is shown stays, the values moved since do
  // not run, and the next move starts a step of its own.
  RunCommand(run, [this](bool stopped) {
    if (!stopped) return;
    liveStarted_ = liveWanted_;
    liveStepAt_ = 0;
  });
}

}  // namespace pixmora::app
