#include "app/form1.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QScrollArea>
#include <QPushButton>
#include <QShortcut>
#include <QScrollBar>
#include <QTime>
#include <QToolButton>
#include <unistd.h>

#include "app/colour_scheme_apply.h"
#include "app/edit_menu.h"
#include "app/history_panel.h"
#include "app/image_menu.h"
#include "app/menu_bar.h"
#include "app/missing_pictures.h"
#include "app/recent_menu.h"
#include "app/open_commands.h"
#include "app/picture_box.h"
#include "app/preview_commands.h"
#include "app/save_commands.h"
#include "app/side_panel.h"
#include "app/status_bar.h"
#include "app/texture_command.h"
#include "app/tool_bar.h"
#include "app/widget_captions.h"
#include "app/window_hooks.h"
#include "app/work_area.h"
#include "windows/translate.h"
#include "session/config/colour_scheme.h"
#include "session/config/configuration.h"
#include "session/captions/control_names.h"
#include "session/config/folders.h"
#include "session/selection_limit.h"
#include "core/background_thread.h"
#include "core/large_array.h"
#include "core/show_fitted.h"

namespace pixmora::app {

namespace {
constexpr ColorRef kWhite = 0xFFFFFF;
constexpr ColorRef kBlack = 0;
}  // namespace

Form1::Form1(QWidget* parent)
    : QMainWindow(parent),
      image2Surface_(kPreviewSide, kPreviewSide),
      image3Surface_(kPreviewSide, kPreviewSide),
      picture4Surface_(kPreviewSide, kPreviewSide) {
  setObjectName("Form1");
  ws_.report = [this](const std::string& text) { Report(QString::fromStdString(text)); };
  ws_.keepResultLater = [this](const Picture& result) { resultFile_.Keep(ws_.folders, result); };
  BuildControls();
  hooks_ = new WindowFrameHooks(c_.Label1, c_.ProgressBar3, this);
  ws_.hooks = hooks_;
  connect(&runner_, &CommandRunner::busyChanged, this, &Form1::UpdateAvailability);
  connect(&runner_, &CommandRunner::busyChanged, this, [this](bool busy) {
    if (busy || !closeWhenIdle_) return;
    closeWhenIdle_ = false;
    close();
  });
  askQuestion_ = [](QWidget* parent, const QString& title, const QString& text,
                    QMessageBox::StandardButtons buttons) {
    return QMessageBox::question(parent, title, text, buttons, QMessageBox::Save);
  };
  connect(c_.cancelButton, &QPushButton::clicked, this, &Form1::StopJob);
  connect(c_.noticesButton, &QToolButton::clicked, this,
          [this] { ShowNoticeList(c_.noticesButton, notices_); });
  new QShortcut(QKeySequence(Qt::Key_Escape), this, [this] { Escape(); });
  // F10 opens the first menu, as on other desktops.
  new QShortcut(QKeySequence(Qt::Key_F10), this,
                [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
  ConnectValueControls();
  RegisterOpenCommands(*this);
  RegisterSaveCommands(*this);
  RegisterPreviewCommands(*this);
  RegisterTextureCommand(*this);
  AcceptDroppedFiles();
  ConnectLargeView();
  AddHistoryEntry(*findChild<QMenu*>("mnuView"), *findChild<HistoryPanel*>());
  BuildLive();
  BuildChain();
  BuildImageMenu(*this);
  BuildSelectionTools();
  BuildPreferences();
  SetTabOrder();
}

Form1::~Form1() {
  // What is left of the warming is nobody's any more.
  if (warmingStop_) warmingStop_->Cancel();
  runner_.Wait();
}

void Form1::BuildControls() {
  MenuCommands menus;
  menus.operation = [this](Menu menu, int16_t index) { RunOperation(menu, index); };
  menus.fileEntry = [this](const QString& control) { InvokeCommand(control); };
  menus.exit = [this] { close(); };
  menus.fillRecent = [this](QMenu& recent) {
    FillRecentMenu(recent, [this](const QString& path) { OpenPictureFile(*this, Slot::ImageA, path); });
  };
  menus.repeat = [this] { Repeat(); };
  menus.resetValues = [this] { ShowStartValues(); };
  BuildMenuBar(*menuBar(), menus);
  for (Menu menu : kMenus)
    ShowHintsOfDisabledEntries(*menuBar()->findChild<QMenu*>(MenuBarName(menu)),
                               [this](const QString& hint) { SetStatusPanelText(c_, kNoticePanel, hint); });
  BuildToolBar(*this, c_, [this](int i) {
    InvokeCommand(QString::fromStdString(IndexedName("Image5", i)));
  });
  auto* central = new QWidget(this);
  central->setObjectName("Central");
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addWidget(BuildSidePanel(c_, patternSurface_));
  row->addWidget(BuildWorkArea(c_, {image2Surface_, image3Surface_, ws_.Image1, picture4Surface_}), 1);
  setCentralWidget(central);
  BuildStatusBar(*this, c_);
  auto* history = new HistoryPanel(*this);
  addDockWidget(Qt::RightDockWidgetArea, history);
  history->hide();
  BuildEditMenu(*this);
  c_.Picture5->onResize = [this] { Form_Resize(); };
  // Each preview: the full-size surface it shows fitted (the result's is
  // Pic4), the picture's name, and what pressing it does.
  const struct {
    PreviewBox* box;
    const PictureSurface* fullSize;
    const char* name;
    const char* press;
  } previews[] = {
      {c_.Image2, &ws_.Pic1, "Image A", "Click or press Enter to open image A; double-click to see it large"},
      {c_.Image3, &ws_.Pic2, "Image B", "Click or press Enter to open image B; double-click to see it large"},
      {c_.Image1, &ws_.Pic4, "Result", "Click or press Enter to save the result; double-click to see it large"},
      {c_.Picture4, &ws_.Pic3, "Shape", "Click or press Enter to choose a shape; double-click to see it large"},
      {c_.picture1, &ws_.PatPic, "Pattern", "Click or press Enter to open a pattern; double-click to see it large"},
  };
  for (const auto& p : previews) {
    p.box->SetFullSize(p.fullSize);
    p.box->SetPictureName(p.name);
    windows::SetToolTip(p.box, p.press);
    const QString name = p.box->objectName();
    connect(p.box, &PreviewBox::clicked, this, [this, name] { InvokeCommand(name); });
  }
}

void Form1::Form_Load() {
  FitOuterSize();
  setWindowTitle(QStringLiteral("Pixmora - Ver. ") + QStringLiteral(PIXMORA_VERSION));
  PutProgressInStatusBar(c_.ProgressBar3, c_, 1);

  ws_.folders = FindFolders(Program::Editor);
  WidgetCaptions captions(*this);
  LoadConfiguration(ws_.folders, captions);

  ShowColourScheme(LoadColourScheme(ws_.folders));

  ShowLanguage();

  PrepareForCommands(true);
  c_.Label1->hide();
  ShowStartValues();
  RestoreValues();
  ShowPicture(Slot::Pattern, ws_.folders.Support() + "xxx.bmp");
  ShowPicture(Slot::Shape, ws_.folders.Support() + "albero.bmp");
  SetStatusPanelText(c_, 2, QStringLiteral("Dir. : ") + QString::fromStdString(ws_.folders.Textures()));
  const QString data = QString::fromStdString(ws_.folders.data);
  if (!IsFolder(ws_.folders.data))
    Report(windows::Tr("The data folder %1 is missing: results cannot be saved.").arg(data));
  else if (access(ws_.folders.data.c_str(), W_OK) != 0)
    Report(windows::Tr("The data folder %1 is read-only: results cannot be saved.").arg(data));
  StartHistory();
  // The captions may have changed length.
  Form_Resize();
}

// The previews of image A, image B and the result stay white, the shape's black.
void Form1::ShowColourScheme(const ColourScheme& scheme) {
  scheme_ = scheme;
  ApplyColourScheme(*this, scheme);
  ws_.SetHiddenBackColour(scheme.back);
  for (PreviewBox* box : {c_.Image1, c_.Image2, c_.Image3}) box->SetBackColour(kWhite);
  c_.Picture4->SetBackColour(kBlack);
}

bool Form1::ShowPicture(Slot slot, const std::string& path) {
  if (Busy()) return false;
  PutPicture(slot, ws_.platformLoader(path));
  RefreshPreviews();
  return true;
}

void Form1::PutPicture(Slot slot, const Picture& picture) {
  // The preview surfaces of the four slots a file opens into, in slot order.
  PictureSurface* const previews[] = {&image2Surface_, &image3Surface_, &patternSurface_, &picture4Surface_};
  ShowFittedPicture(picture, ws_.Surface(slot), *previews[static_cast<size_t>(slot)]);
  if (slot != Slot::ImageA) return;
  PrepareForCommands(true);
  if (DropSelectionOutsideImageA(ws_))
    Report(windows::Tr("The selection does not fit the new image A: it was dropped."));
}

// While the user looks at a new image A or a result, the next command's
// memory is made ready on a thread of its own: the planes take image A's
// size and give back the memory they held (made again only for a command
// that reads them), and a result's picture is faulted in; a command on a
// large picture would otherwise spend a third of its time in fresh memory.
// These run one after the other, only they and the jobs touch the planes,
// and a job waits for them (StartJob).
void Form1::PrepareForCommands(bool newImageA) {
  ChannelPlanes* planes = newImageA ? &ws_.m.planes : nullptr;
  const int width = ws_.Pic1.Width(), height = ws_.Pic1.Height();
  const size_t resultBytes = size_t(width) * size_t(height) * sizeof(ColorRef);
  if (!warmingStop_ || warmingStop_->Cancelled()) warmingStop_ = std::make_shared<CancelToken>();
  warming_ = std::async(std::launch::async, [previous = warming_, planes, width, height, resultBytes,
                                             stop = warmingStop_] {
               LowerThreadPriority();
               const ForegroundWork preparing;
               if (previous.valid()) previous.wait();
               try {
                 if (planes) planes->Resize(width, height);
                 WarmLargeArrays(resultBytes, stop.get());
               } catch (const std::bad_alloc&) {
                 // Left to the job, which says so when the memory is still missing.
               }
             }).share();
}

bool Form1::Preparing() const {
  return warming_.valid() && warming_.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
}

void Form1::RefreshPreviews() {
  for (PreviewBox* box : {c_.Image2, c_.Image3, c_.Image1, c_.Picture4, c_.picture1}) box->Show();
  RefreshLarge();
  UpdateAvailability();
  for (const auto& changed : pictureWatchers_) changed();
}

// The previews take a picture file dropped on them as their dialog's choice.
void Form1::AcceptDroppedFiles() {
  const std::pair<PreviewBox*, Slot> targets[] = {
      {c_.Image2, Slot::ImageA}, {c_.Image3, Slot::ImageB}, {c_.picture1, Slot::Pattern}, {c_.Picture4, Slot::Shape}};
  for (const auto& [box, slot] : targets) {
    box->setAcceptDrops(true);
    // Queued: the drop is over for the dragging program before the file is read.
    connect(
        box, &PreviewBox::fileDropped, this,
        [this, slot = slot](const QString& path) { OpenPictureFile(*this, slot, path); },
        Qt::QueuedConnection);
  }
}

QString Form1::Caption(const char* control) const {
  return QString::fromStdString(WidgetCaptions(*this).Caption(control));
}

void Form1::WhenPicturesChange(std::function<void()> changed) {
  pictureWatchers_.push_back(std::move(changed));
}

void Form1::Report(const QString& text) {
  QMetaObject::invokeMethod(this, [this, text, at = QTime::currentTime()] {
    SetStatusPanelText(c_, kNoticePanel, text);
    notices_.Add(text, at);
    c_.noticesButton->setEnabled(true);
  });
}

}  // namespace pixmora::app
