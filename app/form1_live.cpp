// Live values: while Live is on and the current step is a menu command, moving
// a bar that command reads runs that command again with the new values, on the
// same pictures, away from the window's thread. A run whose values are moved
// on early in it is cancelled; one further along ends and shows its result,
// the exact one at its values, so that a drag keeps showing results; then the
// newest values run. Each run shows its result
// in the result's preview only: "ps.bmp", the history's step and the large
// view follow once the values have rested for a moment (the burst's end), or
// at once when anything else starts that reads them. A burst is one step of
// the history, after the menu's (with Chain, in place of the menu's, from the
// image A it started with). Cancel or Esc stops the run under way and ends
// the burst.
#include <QAction>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>

#include "app/form1.h"
#include "app/picture_box.h"
#include "app/user_settings.h"
#include "session/dispatch.h"
#include "session/publish_result.h"
#include "session/recipe/recipe_run.h"
#include "session/history/step_description.h"
#include "windows/translate.h"

namespace pixmora::app {

namespace {

// How long the values rest before a burst ends.
constexpr int kBurstRestMs = 300;

}  // namespace

void Form1::BuildLive() {
  live_ = new QAction(this);
  live_->setObjectName("mnuLive");
  live_->setCheckable(true);
  live_->setChecked(SavedLive());
  windows::SetCaption(live_, "Live");
  windows::SetToolTip(live_, "Live: the last command follows the bars it reads as they move");
  connect(live_, &QAction::toggled, this, [this](bool on) {
    SaveLive(on);
    if (!on && !Busy()) EndLiveBurst();
  });
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
  liveRest_ = new QTimer(this);
  liveRest_->setSingleShot(true);
  liveRest_->setInterval(kBurstRestMs);
  connect(liveRest_, &QTimer::timeout, this, [this] {
    if (Busy()) liveRest_->start();
    else EndLiveBurst();
  });
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
  if (Busy()) {
    if (input) OvertakeLiveRun();
    return;  // the run under way ends first, then the newest values run
  }
  liveRest_->stop();
  liveStarted_ = liveWanted_;
  const size_t at = history_->Position();
  const bool chained = history_->Entries()[at].steps.size() > 1;
  RecipeStep again = *step;
  again.values = ReadControlValues();
  // The step whose result the run showed, with the back colour it noted.
  auto shown = std::make_shared<std::optional<RecipeStep>>();
  // What shows now comes back when a chained run stops.
  const auto run = [this, at, again, chained, shown, now = CaptureState(ws_)](const CancelToken& cancel) mutable {
    if (chained) {  // the command runs again on the image A it was chained from
      const Result<SessionState> from = history_->PeekState(at - 1);
      if (!from) return;
      RestoreState(ws_, *from);
    }
    ws_.values = again.values;
    NoteBackColour(again, ws_);
    if (!RunMenuRoutine(ws_, again.menu, again.index, &cancel)) {
      if (chained) RestoreState(ws_, now);
      return;
    }
    ShowResult(ws_);
    if (chained) HandOnAsImageA();
    *shown = again;
  };
  liveRun_ = LiveRun{std::chrono::steady_clock::now(), false};
  CommandRunner::Job job{
      run,
      [this, at, chained, shown](const QString&, bool cancelled) {
        const bool overtaken = liveRun_ && liveRun_->overtaken;
        if (*shown) {
          liveTaken_ = std::chrono::steady_clock::now() - liveRun_->started;
          liveBurst_ = LiveBurst{**shown, at, chained};
        }
        liveRun_.reset();
        if (cancelled && !*shown && !overtaken) {
          // Stopped, the burst ends: what is shown stays, the values moved
          // since do not run, and the next move starts a step of its own.
          Report(windows::Tr("The command was cancelled; nothing changed."));
          liveStarted_ = liveWanted_;
          EndLiveBurst();
          liveStepAt_ = 0;
          return;
        }
        if (liveWanted_ == liveStarted_) liveRest_->start();
      },
      true, false};
  StartJob(std::move(job), QString(), true);
}

// A run whose values moved on stops when it has barely begun (less than an
// eighth of what the last run took): the newest values then show sooner
// than if it ran to its end, at little cost. One further along ends: were
// every overtaken run stopped, a drag whose steps come faster than a run
// would show nothing until the bar rests.
void Form1::OvertakeLiveRun() {
  if (!liveRun_ || liveRun_->overtaken || !runner_.Cancellable()) return;
  if (std::chrono::steady_clock::now() - liveRun_->started > liveTaken_ / 8) return;
  liveRun_->overtaken = true;
  runner_.Cancel();
}

void Form1::EndLiveBurst() {
  liveRest_->stop();
  if (!liveBurst_) return;
  const LiveBurst burst = *std::exchange(liveBurst_, std::nullopt);
  KeepResult(ws_);
  const std::string values = StepDetails(burst.step, *history_, false);
  const std::string name = StepName(burst.step).toStdString() + (values.empty() ? "" : ", " + values);
  std::vector<RecipeStep> steps = burst.chained ? ChainedSteps(burst.step) : std::vector{burst.step};
  // The first burst after the menu's step is a step of its own, the later
  // ones (and a chained command's) take its place.
  const std::string details = StepDetails(burst.step, *history_);
  if (burst.chained || burst.at == liveStepAt_)
    history_->ReplaceCurrent(name, details, std::move(steps), CaptureState(ws_));
  else history_->Record(name, details, std::move(steps), CaptureState(ws_));
  if (!history_->Note().empty()) Report(QString::fromStdString(history_->Note()));
  liveStepAt_ = history_->Position();
  emit historyChanged();
  RefreshPreviews();
  resultFile_.Shown();
  PrepareForCommands(false);
}

}  // namespace pixmora::app
