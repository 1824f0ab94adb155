// Form1's history: every step that changes a picture is recorded with the
// pictures it left; undo, redo and a click in the history panel go back or
// forward to any recorded step, away from the window's thread (a picture of
// an old step may have to be read back from the working folder).
#include <QAction>

#include "app/form1.h"
#include "app/image_menu.h"
#include "app/user_settings.h"
#include "session/captions/control_names.h"
#include "core/paths_and_text.h"
#include "session/history/step_description.h"
#include "windows/translate.h"

namespace pixmora::app {

// Steps are named on the threads that take them: the captions they use are
// read here, on the window's thread, whenever the language is set (never
// while a job runs).
void Form1::ReadStepCaptions() {
  for (const CatalogueEntry& e : Catalogue())
    if (!e.IsSeparator()) {
      const std::string name = MenuEntryName(e.menu, e.index);
      stepCaptions_[name] = Caption(name.c_str());
    }
  stepCaptions_["mnuFlatten"] = windows::Tr(kFlattenCaption);
  for (const char* name : {"mnusalvaa", "mnusalvab"}) stepCaptions_[name] = Caption(name);
}

void Form1::StartHistory() {
  history_ = std::make_unique<History>(ws_.folders.work, ChosenHistoryBudget());
  // The start pattern and shape, where they could be opened, begin every recipe.
  std::vector<RecipeStep> opened;
  const std::pair<Slot, std::string> starts[] = {{Slot::Pattern, ws_.folders.Support() + "xxx.bmp"},
                                                 {Slot::Shape, ws_.folders.Support() + "albero.bmp"}};
  for (const auto& [slot, file] : starts) {
    if (!ws_.Surface(slot).GetPicture()) continue;
    RecipeStep step;
    step.kind = RecipeStep::Kind::Open, step.slot = slot, step.file = file;
    opened.push_back(step);
  }
  history_->Start(CaptureState(ws_), opened);
  emit historyChanged();
}

HistoryBudget Form1::ChosenHistoryBudget() const {
  HistoryBudget budget = DefaultHistoryBudget(ws_.folders.work);
  if (const int mebibytes = HistoryMemoryMiB(); mebibytes > 0) budget.memoryBytes = size_t(mebibytes) << 20;
  return budget;
}

QString Form1::StepName(const RecipeStep& step) const {
  // In slot order: image A, image B, the pattern, the shape.
  static const char* const kOpen[] = {"Open image A %1", "Open image B %1", "Open pattern %1", "Open shape %1"};
  static const char* const kHandOn[] = {"mnusalvaa", "mnusalvab"};
  switch (step.kind) {
    case RecipeStep::Kind::Command:
      return stepCaptions_.at(MenuEntryName(step.menu, step.index));
    case RecipeStep::Kind::Rotate:
      return windows::Tr("Rotate %1\u00B0").arg(step.sliderValue * 45);
    case RecipeStep::Kind::Flatten:
      return stepCaptions_.at("mnuFlatten");
    case RecipeStep::Kind::HandOn:
      return stepCaptions_.at(kHandOn[step.slot == Slot::ImageB]);
    case RecipeStep::Kind::Image:
      return windows::Tr(ImageCommandName(step.image.command));
    case RecipeStep::Kind::Select:  // named by the entry that changed it
      return windows::Tr(step.text.c_str());
    case RecipeStep::Kind::Open:
      break;
  }
  return windows::Tr(kOpen[static_cast<int>(step.slot)]).arg(QString::fromStdString(BaseName(step.file)));
}

void Form1::RecordStep(const RecipeStep& step) { RecordSteps({step}); }

void Form1::RecordSteps(std::vector<RecipeStep> steps) {
  const std::string name = StepName(steps.front()).toStdString(), details = StepDetails(steps.front(), *history_);
  history_->Record(name, details, std::move(steps), CaptureState(ws_));
  if (!history_->Note().empty()) Report(QString::fromStdString(history_->Note()));
  // Recorded away from the window's thread, the step shows once the job ends.
  QMetaObject::invokeMethod(this, [this] { emit historyChanged(); });
}

// A live burst's step is recorded first: undo goes back before it.
void Form1::Undo() {
  if (!Busy()) EndLiveBurst();
  if (history_->CanUndo()) GoToStep(history_->Position() - 1);
}

void Form1::Redo() {
  if (!Busy()) EndLiveBurst();
  if (history_->CanRedo()) GoToStep(history_->Position() + 1);
}

void Form1::GoToStep(size_t index) {
  if (Busy()) return;
  EndLiveBurst();
  if (index == history_->Position()) return;
  RunInBackground([this, index] {
    const Result<SessionState> state = history_->GoTo(index);
    if (!state) {
      Report(QString::fromStdString(state.error().Message()));
      return;
    }
    Restore(*state);
    QMetaObject::invokeMethod(this, [this] { emit historyChanged(); });
  });
}

void Form1::Restore(const SessionState& state) {
  const auto changed = RestoreState(ws_, state);
  // The previews of the pictures the user brings in show them again.
  for (Slot slot : kOpenedSlots)
    if (changed[static_cast<size_t>(slot)]) PutPicture(slot, state[static_cast<size_t>(slot)].picture);
}

}  // namespace pixmora::app
