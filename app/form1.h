// Form1, the main window: it owns the session's pictures (the Workspace),
// every menu and every control. Its parts live in their own files: building
// the areas (side_panel, work_area, menu_bar, tool_bar, status_bar), start-up
// (form1.cpp), layout (form1_resize.cpp), the value controls
// (form1_values.cpp), the running of commands (form1_commands.cpp), the
// large view (form1_view.cpp), the selection (form1_selection.cpp), Chain
// (form1_chain.cpp) and closing (form1_close.cpp).
#pragma once
#include <QColor>
#include <QList>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/command_host.h"
#include "app/command_runner.h"
#include "app/file_dialog.h"
#include "app/result_file_writer.h"
#include "app/form1_controls.h"
#include "app/notice_log.h"
#include "app/view_menu.h"
#include "session/catalogue/catalogue.h"
#include "session/config/colour_scheme.h"
#include "session/history/history.h"
#include "session/image_command.h"
#include "session/workspace.h"
#include "windows/display_pool.h"
#include "windows/selection_editor.h"

class QActionGroup;
class QScrollBar;
class QTimer;

namespace pixmora::app {

class WindowFrameHooks;
struct Preferences;

class Form1 : public QMainWindow, public CommandHost {
  Q_OBJECT
 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // Start-up: size and caption, status bar, configuration and language,
  // colour scheme, planes, start values, start pattern and shape.
  void Form_Load();

  const Form1Controls& Controls() const { return c_; }

  // ShowFitted of the file into the slot's surface and preview, on the
  // window's thread (start-up's pattern and shape); image A also resizes the
  // planes. False (nothing done) while a command runs.
  bool ShowPicture(Slot slot, const std::string& path);

  // An operation menu's command: the control values are copied into the
  // session now, the command runs away from the window's thread.
  void RunOperation(Menu menu, int16_t index);
  // Image > Flatten onto Colour 2, likewise.
  void Flatten();

  // What the command files see of the window. A bound command's controls are
  // enabled once it has one, and disabled while any command runs; the
  // previews are repainted after a background job.
  Workspace& Session() override { return ws_; }
  bool Busy() const override { return runner_.Busy(); }
  // Whether the next command's memory is still being made ready
  // (PrepareForCommands); a command started meanwhile waits for it.
  bool Preparing() const;
  void Report(const QString& text) override;
  FileDialog& Dialog1() override { return *dialog1_; }
  QWidget* Owner() override { return this; }
  QString Caption(const char* control) const override;
  void PutPicture(Slot slot, const Picture& picture) override;
  bool RunInBackground(std::function<void()> job) override;
  // A command that makes a result (a menu command, the slider, a live run):
  // Cancel and Esc stop it, and a stopped one leaves the session as it was.
  // work passes the token on to the session and answers whether it ran to
  // its end; then done, on the window's thread, learns whether it stopped.
  bool RunCommand(std::function<bool(const CancelToken&)> work,
                  std::function<void(bool stopped)> done = {});
  bool RunFileJob(FileJob job) override;
  void SetCommand(WindowCommand command, std::function<void()> run) override;
  void RecordStep(const RecipeStep& step) override;
  void ResultSaved(const Picture& result) override { savedResult_ = result; }
  // The latest result (what Save file writes) exists and was never written
  // by Save file or as a texture.
  bool ResultUnsaved() const;

  // The Image menu's commands (crop, resize, flips and turns) run as menu
  // commands do, from image A, published and recorded; a box or a size
  // refused is a notice. Resize asks for the size first.
  void RunImageOperation(const ImageStep& step);
  void ResizeImageA();
  // The selection (form1_selection.cpp) becomes this one (none: all of
  // image A), a step of the history named by step, an English caption; with
  // merge, it takes the place of the current step when that has the same
  // name (a nudge after a nudge). Not while a command runs.
  void ChangeSelection(const std::optional<Selection>& selection, const char* step, bool merge = false);
  // Image > Selection...: the selection's place, size and feather typed in.
  void TypeSelection();
  // The shape the tool bar's selection tool draws; none while it pans.
  std::optional<SelectionShape> SelectionTool() const;
  // Whether Chain is on: each command's result then goes on as image A.
  bool Chained() const;
  // The dialogs Resize and Selection ask with; tests put scripted ones in.
  using ResizeDialog = std::function<std::optional<ImageStep>(QWidget* parent, int width, int height)>;
  using SelectionDialog = std::function<std::optional<Selection>(
      QWidget* parent, const std::optional<Selection>& current, SelectionShape tool, int width, int height)>;
  void SetResizeDialog(ResizeDialog dialog) { askResize_ = std::move(dialog); }
  void SetSelectionDialog(SelectionDialog dialog) { askSelection_ = std::move(dialog); }

  // Undo and redo: the session goes back to, or forward to, the pictures an
  // earlier or later step of its history left.
  bool HasHistory() const { return history_ != nullptr; }
  const History& SessionHistory() const { return *history_; }
  // Ends a burst of Live runs now: its last result is kept as "ps.bmp",
  // recorded in the history and shown in the large view. Not while a job runs.
  void EndLiveBurst();
  bool LiveBurstPending() const { return liveBurst_.has_value(); }
  void Undo();
  void Redo();
  void GoToStep(size_t index);
  void WhenPicturesChange(std::function<void()> changed) override;

  // Tests put a scripted file dialog in.
  void SetDialog1(std::unique_ptr<FileDialog> dialog) { dialog1_ = std::move(dialog); }
  // The colour dialog a swatch opens: the colour chosen, invalid when cancelled.
  using ColourDialog = std::function<QColor(const QColor& initial, QWidget* parent, const QString& title)>;
  void SetColourDialog(ColourDialog dialog) { chooseColour_ = std::move(dialog); }
  // The question quitting asks about a result never saved: the button chosen.
  using QuestionBox = std::function<QMessageBox::StandardButton(
      QWidget* parent, const QString& title, const QString& text, QMessageBox::StandardButtons buttons)>;
  void SetQuestionBox(QuestionBox box) { askQuestion_ = std::move(box); }

 signals:
  // A command run by RunInBackground has ended and its result is shown.
  void commandFinished();
  // A step was recorded, undone or redone.
  void historyChanged();
  // Controls were enabled or disabled (a command started or ended).
  void availabilityChanged();
  // The window shows another language: what composes captions composes them again.
  void languageChanged();

 protected:
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  // Tab goes along the tool bar, down the side panel, across the previews,
  // then to the status bar's buttons.
  void SetTabOrder();
  // Closing with a result never saved asks first: Save (the window closes
  // once the file holds it), Discard, or Cancel. True when it may close now.
  bool MayClose();
  void ConnectValueControls();
  void Form_Resize();
  void FitOuterSize();
  void PlaceOnScreen();
  void ShowStartValues();
  // The values of the last run, and keeping them for the next.
  void RestoreValues();
  void KeepValues() const;
  QList<QScrollBar*> ValueBars() const;
  // Their fields, in the same order.
  QList<ValueField*> ValueFields() const;
  // Every control a screen reader names from the captions, in the language now.
  void NameControls();

  void HS1_Change(int index);
  QString ValueName(const ValueField* field) const;
  void ChooseColour(int which);
  void Slider1_Change(int value);
  ControlValues ReadControlValues() const;

  void StartHistory();
  // The history's budget: its own, with the memory Preferences set, if any.
  HistoryBudget ChosenHistoryBudget() const;
  void ReadStepCaptions();
  // Shows the window in the language now set: the captions, tool tips and
  // accessible names of its own, those composed from the design's, and the
  // Alt+letters chosen again.
  void ShowLanguage();
  // Records the steps as one step of the history, named after the first.
  void RecordSteps(std::vector<RecipeStep> steps);
  // A command's step; chained, its result goes on as image A first, as
  // "Load image (A)" would, and the command and the hand-on are one step.
  void RecordCommand(const RecipeStep& step, bool chained);
  // The result goes on as image A, in memory: the very pixels "Load image
  // (A)" gives through its file.
  void HandOnAsImageA();
  void BuildChain();
  // Puts the state back and shows again the pictures opened into the slots
  // that changed.
  void Restore(const SessionState& state);
  void BuildLive();
  // Edit > Preferences... (form1_preferences.cpp): what it chooses goes
  // into the files and settings that hold it, and shows at once.
  void BuildPreferences();
  void OpenPreferences();
  void ApplyPreferences(const Preferences& was, const Preferences& chosen);
  // The window, its labels and picture boxes and the hidden surfaces in the scheme's colours.
  void ShowColourScheme(const ColourScheme& scheme);
  // The step Live would take again: the current one, when it is a menu
  // command and Live is on.
  const RecipeStep* LiveStep() const;
  // A bar that input reads has moved (none: the run under way has ended).
  void ValueMoved(std::optional<Input> input);
  // Cancels the live run under way for newer values, when that is worth it.
  void OvertakeLiveRun();
  QString StepName(const RecipeStep& step) const;
  // The command File > Repeat runs again, with the values of that moment; it
  // is enabled when the control that started it is.
  void RememberCommand(QObject* control, std::function<void()> run);
  void ShowRepeatCaption();
  void Repeat();

  void InvokeCommand(const QString& control);
  void AcceptDroppedFiles();
  void UpdateAvailability();
  // Starts a job; what stands in the notice panel while it runs. A live
  // run (live) shows only its result; any other job ends a live burst first.
  bool StartJob(CommandRunner::Job job, const QString& what, bool live = false);
  void CommandEnded(const QString& failure, const QString& what, bool live);
  void RefreshPreviews();
  // Esc: ends a command or a file job that can be cancelled, or else leaves
  // the large view.
  void Escape();
  // Cancel and Esc: the job under way stops (a live burst with it).
  void StopJob();

  // The selection tools of the tool bar, and the outline on the views.
  void BuildSelectionTools();
  void SelectionToolChosen();
  void SelectionEdited(const std::optional<Selection>& selection, windows::SelectionEdit how);
  void ShowSelection();

  // The large view (form1_view.cpp): one picture over the work area, or none.
  void ConnectLargeView();
  void ShowLarge(std::optional<Slot> which);
  void RefreshLarge();
  void PrepareForCommands(bool newImageA);

  Workspace ws_;
  PictureSurface image2Surface_, image3Surface_, picture4Surface_, patternSurface_;
  Form1Controls c_;
  WindowFrameHooks* hooks_ = nullptr;
  std::map<WindowCommand, std::function<void()>> commands_;
  std::vector<std::function<void()>> pictureWatchers_;
  std::optional<Slot> large_;
  struct LastCommand {
    QObject* control = nullptr;
    std::function<void()> run;
  } lastCommand_;
  ColourDialog chooseColour_;
  QuestionBox askQuestion_;
  std::weak_ptr<const PixelBuffer> savedResult_;  // the last result written, while it lives
  bool closeWhenIdle_ = false;  // closing waits for the job under way
  bool restored_ = false;       // the size and place of the last run were taken up
  bool shown_ = false;          // the window was shown once
  bool placing_ = false;        // just after, while the frame may still come
  std::unique_ptr<FileDialog> dialog1_ = std::make_unique<QtFileDialog>();
  std::unique_ptr<History> history_;
  NoticeLog notices_;  // what Report said, for the status bar's list
  QString startHint_;  // where to start, while the status bar says it
  QPointer<QWidget> focusBeforeJob_;
  std::map<std::string, QString> stepCaptions_;  // by control name, read at start-up
  ColourScheme scheme_;
  QAction* live_ = nullptr;
  QAction* chain_ = nullptr;
  QActionGroup* selectionTools_ = nullptr;
  int selectionFeather_ = 0;  // the feather a selection drawn next takes
  ResizeDialog askResize_;
  SelectionDialog askSelection_;
  // Values moved (counted) and the count the last live run started with.
  std::atomic<unsigned> liveWanted_{0};
  unsigned liveStarted_ = 0;
  size_t liveStepAt_ = 0;  // where the history holds the latest burst's step
  // The live run under way: when it started, and whether newer values cancelled it.
  struct LiveRun {
    std::chrono::steady_clock::time_point started;
    bool overtaken = false;
  };
  std::optional<LiveRun> liveRun_;
  std::chrono::steady_clock::duration liveTaken_{};  // what the last run that showed its result took
  // The burst's last result, shown but not yet kept, and the step it is.
  struct LiveBurst {
    RecipeStep step;
    size_t at;  // the history's position when it ran
    bool chained;
  };
  std::optional<LiveBurst> liveBurst_;
  QTimer* liveRest_ = nullptr;  // the burst ends when it times out
  // "ps.bmp" is written after the result is shown, on a thread of its own.
  ResultFileWriter resultFile_{[this](const std::string& why) { Report(QString::fromStdString(why)); },
                               [pool = &windows::DisplayPool()] { return pool->activeThreadCount() > 0; }};
  // The last of the preparations for the next command (PrepareForCommands).
  // Declared after the session: the window waits for it before the session
  // goes.
  std::shared_future<void> warming_;
  // Cancelled when a job starts: the job faults in what is left itself
  // rather than wait for all of it (seconds on a very large picture).
  std::shared_ptr<CancelToken> warmingStop_;
  // Declared after the session: it waits for a running command before the
  // session goes.
  CommandRunner runner_;
};

}  // namespace pixmora::app
