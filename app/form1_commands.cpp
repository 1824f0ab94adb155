// Running commands from Form1: the operation menus, and the commands other
// parts give to the File entries, the tool bar and the previews. One command
// runs at a time, away from the window's thread; meanwhile every control that
// could start another one is disabled.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <chrono>

#include "app/form1.h"
#include "app/image_menu.h"
#include "app/missing_pictures.h"
#include "app/mnemonics.h"
#include "app/picture_box.h"
#include "app/status_bar.h"
#include "core/background_thread.h"
#include "core/load_planes.h"
#include "session/captions/control_names.h"
#include "session/dispatch.h"
#include "session/flatten_command.h"
#include "session/recipe/recipe_run.h"
#include "windows/translate.h"

namespace pixmora::app {

namespace {

void SetEnabled(QObject* control, bool enabled) {
  if (auto* action = qobject_cast<QAction*>(control)) action->setEnabled(enabled);
  else if (auto* widget = qobject_cast<QWidget*>(control)) widget->setEnabled(enabled);
}

// Waits until the preparations are done; false when the job is cancelled
// first (on a large picture they can take most of a second).
bool Prepared(const std::shared_future<void>& warming, const CancelToken& cancel) {
  if (!warming.valid()) return true;
  while (warming.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
    if (cancel.Cancelled()) return false;
  return true;
}

}  // namespace

void Form1::RunOperation(Menu menu, int16_t index) {
  if (Busy()) return;
  ws_.values = ReadControlValues();
  const bool chained = Chained();
  const bool started = RunCommand([this, menu, index, chained](const CancelToken& cancel) {
    RecipeStep step;
    step.menu = menu, step.index = index, step.values = ws_.values, step.selection = ws_.selection;
    // A replay of the recipe then draws what this run drew, on the same back colour.
    if (Has(FindEntry(menu, index)->reads, Input::Random)) step.randomAt = ws_.m.random.Position();
    NoteBackColour(step, ws_);
    if (!RunMenuCommand(ws_, menu, index, &cancel)) return false;
    RecordCommand(step, chained);
    return true;
  });
  if (!started) return;
  auto* entry = findChild<QAction*>(QString::fromStdString(MenuEntryName(menu, index)));
  RememberCommand(entry, [this, menu, index] { RunOperation(menu, index); });
}

void Form1::Flatten() {
  if (Busy()) return;
  ws_.values = ReadControlValues();
  const bool chained = Chained();
  const bool started = RunCommand([this, chained](const CancelToken&) {
    FlattenImageA(ws_);
    RecipeStep step;
    step.kind = RecipeStep::Kind::Flatten, step.values = ws_.values, step.selection = ws_.selection;
    RecordCommand(step, chained);
    return true;
  });
  auto* entry = findChild<QAction*>("mnuFlatten");
  if (started) RememberCommand(entry, [this] { Flatten(); });
}

void Form1::RunImageOperation(const ImageStep& image) {
  if (Busy()) return;
  const bool chained = Chained();
  const bool started = RunCommand([this, image, chained](const CancelToken& cancel) {
    const Result<bool> ran = RunImageCommand(ws_, image, &cancel);
    if (!ran) {  // refused before anything changed
      Report(QString::fromStdString(ran.error().Message()));
      return true;
    }
    if (!*ran) return false;
    RecipeStep step;
    step.kind = RecipeStep::Kind::Image, step.image = image, step.selection = ws_.selection;
    RecordCommand(step, chained);
    return true;
  });
  if (!started) return;
  auto* entry = findChild<QAction*>(ImageEntryName(image.command));
  RememberCommand(entry, [this, image] { RunImageOperation(image); });
}

void Form1::ResizeImageA() {
  if (Busy() || !ws_.Pic1.GetPicture()) return;
  const std::optional<ImageStep> resize = askResize_(this, ws_.Pic1.Width(), ws_.Pic1.Height());
  if (resize) RunImageOperation(*resize);
}

void Form1::RememberCommand(QObject* control, std::function<void()> run) {
  lastCommand_ = {control, std::move(run)};
  ShowRepeatCaption();
  AssignMnemonics(*findChild<QMenu*>("mnufi"));
}

// File > Repeat names the command it runs again: a menu entry by its caption,
// the slider by its label's.
void Form1::ShowRepeatCaption() {
  if (!lastCommand_.run) return;
  const auto* entry = qobject_cast<const QAction*>(lastCommand_.control);
  findChild<QAction*>("mnuRepeat")
      ->setText(windows::Tr("Repeat %1").arg(entry ? WithoutMnemonic(entry->text()) : Caption("Label13")));
}

void Form1::Repeat() {
  if (lastCommand_.run && !Busy()) lastCommand_.run();
}

bool Form1::RunInBackground(std::function<void()> job) {
  return StartJob({[job = std::move(job)](const CancelToken&) { job(); }, {}, false, false},
                  QString());
}

bool Form1::RunCommand(std::function<bool(const CancelToken&)> work,
                       std::function<void(bool stopped)> done) {
  // A cancel that comes after the last column leaves the command to end.
  auto ended = std::make_shared<bool>(false);
  CommandRunner::Job job{
      [work = std::move(work), ended](const CancelToken& cancel) { *ended = work(cancel); },
      [this, ended, done = std::move(done)](const QString&, bool cancelled) {
        const bool stopped = cancelled && !*ended;
        if (stopped) Report(windows::Tr("The command was cancelled; nothing changed."));
        if (done) done(stopped);
      },
      true, false};
  return StartJob(std::move(job), QString());
}

bool Form1::RunFileJob(FileJob job) {
  CommandRunner::Job run{[work = std::move(job.work)](const CancelToken&) { work(); },
                         [done = std::move(job.done)](const QString&, bool cancelled) {
                           if (done) done(cancelled);
                         },
                         true, job.writes};
  if (!StartJob(std::move(run), job.what)) return false;
  // A file's progress is not known: the bar only says that something runs.
  c_.Label1->show();
  c_.ProgressBar3->setRange(0, 0);
  return true;
}

bool Form1::StartJob(CommandRunner::Job job, const QString& what, bool live) {
  if (Busy()) return false;
  if (!live) EndLiveBurst();
  // Disabled while the job runs, the control with the focus loses it; it
  // gets it back when the job ends.
  focusBeforeJob_ = focusWidget();
  // The notice of the previous command goes; this one may leave its own.
  SetStatusPanelText(c_, kNoticePanel, what);
  // A result shows as soon as it is made; the previews' other new pictures
  // are reduced for them before the job ends.
  ws_.resultMade = c_.Image1->ShowAhead();
  std::vector<std::function<void()>> levelsAhead;
  for (PreviewBox* box : {c_.Image1, c_.Image2, c_.Image3, c_.Picture4, c_.picture1})
    levelsAhead.push_back(box->LevelAhead());
  // A job starts once the preparations are done: it uses the same planes
  // and memory. Cancelled meanwhile, it never starts.
  if (warmingStop_) warmingStop_->Cancel();
  job.work = [this, warming = warming_, work = std::move(job.work), levelsAhead](const CancelToken& cancel) {
    const ForegroundWork running;
    if (!Prepared(warming, cancel)) return;
    if (ws_.m.planes.Width() != ws_.Pic1.Width() || ws_.m.planes.Height() != ws_.Pic1.Height())
      SizePlanes(ws_.m, ws_.Pic1);
    work(cancel);
    for (const auto& make : levelsAhead) make();
  };
  auto done = std::move(job.done);
  job.done = [this, done = std::move(done), what, live](const QString& failure, bool cancelled) {
    if (done) done(failure, cancelled);
    CommandEnded(failure, what, live);
  };
  return runner_.Start(std::move(job));
}

void Form1::CommandEnded(const QString& failure, const QString& what, bool live) {
  // The frame has put these back already, unless the command failed half-way.
  c_.Label1->hide();
  if (c_.ProgressBar3->maximum() == 0) c_.ProgressBar3->setRange(0, 1);
  c_.ProgressBar3->setValue(0);
  if (!what.isEmpty() && static_cast<QLabel*>(c_.panels[kNoticePanel - 1])->text() == what)
    SetStatusPanelText(c_, kNoticePanel, QString());
  // A live run changed the result alone (and, chained, image A); the rest
  // waits for the burst's end.
  if (live) {
    for (PreviewBox* box : {c_.Image1, c_.Image2}) box->Show();
    UpdateAvailability();
  } else {
    RefreshPreviews();
    resultFile_.Shown();
  }
  if (focusBeforeJob_ && focusBeforeJob_->isEnabled() && isActiveWindow()) focusBeforeJob_->setFocus();
  if (!live) PrepareForCommands(false);
  if (!failure.isEmpty()) Report(windows::Tr("The command failed: %1").arg(failure));
  emit commandFinished();
}

void Form1::Escape() {
  if (runner_.Cancellable()) StopJob();
  else if (liveBurst_) EndLiveBurst();
  else if (large_) ShowLarge(std::nullopt);
}

void Form1::StopJob() {
  if (liveRun_) liveRun_->overtaken = false;  // the user's stop, not newer values
  runner_.Cancel();
}

void Form1::SetCommand(WindowCommand command, std::function<void()> run) {
  commands_[command] = std::move(run);
  UpdateAvailability();
}

void Form1::InvokeCommand(const QString& control) {
  WindowCommand command;
  if (!CommandOfControl(control, command) || Busy()) return;
  const auto it = commands_.find(command);
  if (it == commands_.end()) return;
  SetStatusPanelText(c_, kNoticePanel, QString());
  it->second();
}

void Form1::UpdateAvailability() {
  const bool idle = !Busy();
  // The session's pictures are looked at only while no job writes them.
  for (const CatalogueEntry& e : Catalogue()) {
    if (e.IsSeparator()) continue;
    auto* action = findChild<QAction*>(QString::fromStdString(MenuEntryName(e.menu, e.index)));
    const QString missing = idle ? MissingPictureHint(ws_, e.reads) : QString();
    action->setProperty("missing", missing);
    SetEnabled(action, idle && e.run && missing.isEmpty());
  }
  for (const CommandBinding& binding : CommandBindings())
    for (const char* name : binding.controls)
      if (name) SetEnabled(findChild<QObject*>(name), idle && commands_.count(binding.command));
  const bool imageA = idle && MissingPictureHint(ws_, 0).isEmpty();
  c_.Slider1->setEnabled(imageA);
  SetEnabled(findChild<QMenu*>("mnuRecent")->menuAction(), idle);
  SetEnabled(findChild<QAction*>("mnuPreferences"), idle);
  const auto* control = qobject_cast<const QAction*>(lastCommand_.control);
  SetEnabled(findChild<QAction*>("mnuRepeat"),
             idle && lastCommand_.run && (control ? control->isEnabled() : imageA));
  c_.cancelButton->setVisible(runner_.Cancellable());
  // The pointer says the window is busy, and still takes clicks.
  if (idle) centralWidget()->unsetCursor();
  else centralWidget()->setCursor(Qt::BusyCursor);
  // Until there is an image A, the status bar says where to start (unless it
  // has something else to say), in the language now.
  const QString notice = static_cast<QLabel*>(c_.panels[kNoticePanel - 1])->text();
  const bool showsHint = notice.isEmpty() || notice == startHint_;
  startHint_ = showsHint && idle && !imageA ? windows::Tr(kOpenImageAFirst) : QString();
  if (showsHint) SetStatusPanelText(c_, kNoticePanel, startHint_);
  emit availabilityChanged();
}

}  // namespace pixmora::app
