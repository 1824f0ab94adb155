// Form1, the main window: it owns the session's pictures (the Workspace),
// every menu and every control. Its parts live in their own files: building
// the areas (side_panel, work_area, menu_bar, tool_bar, status_bar), start-up
// (form1.cpp), layout (form1_resize.cpp), the value controls
// (form1_values.cpp) and the running of commands (form1_commands.cpp).
#pragma once
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/command_runner.h"
#include "app/file_dialog.h"
#include "app/form1_controls.h"
#include "session/catalogue/catalogue.h"
#include "session/workspace.h"

namespace pixmora::app {

class WindowFrameHooks;

class Form1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // Start-up: size and caption, status bar, configuration and language,
  // colour scheme, planes, start values, start pattern and shape.
  void Form_Load();

  // The session. Touch it only while no command runs (Busy() is false).
  Workspace& Session() { return ws_; }
  const Form1Controls& Controls() const { return c_; }

  // The four pictures the user brings in, each a hidden full-size surface
  // with its preview.
  enum class Slot { ImageA, ImageB, Pattern, Shape };
  // ShowFitted of the file into the slot's surface and preview; image A also
  // resizes the planes. False (nothing done) while a command runs.
  bool ShowPicture(Slot slot, const std::string& path);
  // The same with a picture already read (null: "No Preview Available").
  bool ShowPicture(Slot slot, const Picture& picture);
  // Repaints the previews from their surfaces.
  void RefreshPreviews();

  // An operation menu's command: the control values are copied into the
  // session now, the command runs away from the window's thread.
  void RunOperation(Menu menu, int16_t index);

  // Gives a control its command: a File entry ("mnuimma", "mnusalva", ...),
  // a tool button ("Image5(0)" ...) or a preview ("Image2", "Image3",
  // "Image1", "Picture4", "picture1"). The control is enabled once it has one,
  // and disabled while any command runs.
  void SetCommand(const QString& control, std::function<void()> command);

  // Runs job on the session away from the window's thread, with the commands
  // that could start another one disabled meanwhile; the previews are
  // repainted afterwards. False when a command is already running.
  bool RunInBackground(std::function<void()> job);
  bool Busy() const { return runner_.Busy(); }

  // A one-line notice in the status bar (thread-safe); the next command
  // clears it.
  void Report(const QString& text);

  // The file dialog the File commands share; tests put a scripted one in.
  FileDialog& Dialog1() { return *dialog1_; }
  void SetDialog1(std::unique_ptr<FileDialog> dialog) { dialog1_ = std::move(dialog); }

 signals:
  // A command run by RunInBackground has ended and its result is shown.
  void commandFinished();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void ConnectValueControls();
  void Form_Resize();
  void FitOuterSize();
  void ShowStartValues();

  void HS1_Change(int index);
  void HScroll1_Change();
  void HScroll2_Change();
  void Slider1_Change(int value);
  ControlValues ReadControlValues() const;

  void InvokeCommand(const QString& control);
  void UpdateAvailability();
  void CommandEnded(const QString& failure);

  Workspace ws_;
  PictureSurface image2Surface_, image3Surface_, picture4Surface_, patternSurface_;
  Form1Controls c_;
  WindowFrameHooks* hooks_ = nullptr;
  std::map<QString, std::function<void()>> commands_;
  std::unique_ptr<FileDialog> dialog1_ = std::make_unique<QtFileDialog>();
  // Declared after the session: it waits for a running command before the
  // session goes.
  CommandRunner runner_;
};

}  // namespace pixmora::app
