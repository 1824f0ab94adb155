// A main window started as the user's start would, over a scratch data
// folder that each test fills with what it needs, with Dialog1 answered by
// the test when it asks for that.
#pragma once
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <functional>
#include <optional>
#include <memory>
#include <string>

#include "app/form1.h"
#include "tests/app/scripted_dialog.h"
#include "core/picture.h"
#include "tests/app/scripted_dialog.h"
#include "tests/support/same_pixels.h"
#include "tests/support/test_pictures.h"

namespace pixmora::test {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Copies one shipped file (path under the shipped VARDELO24 folder), or all of them.
  void Ship(const std::string& relative);
  void ShipAll();
  void Write(const std::string& relative, const std::string& text);
  // A picture file for image A, in the scratch folder; answers its path.
  std::string WritePicture(const Picture& picture, const std::string& name);

  // Constructs the window and runs its start-up.
  app::Form1& Start();
  // The same with a scripted Dialog1: each Answer is what the next dialog
  // shown gives back.
  void StartScripted();
  void Answer(const std::string& path, int filterIndex = 1);
  // Opens the file as image A through File > Open > Image (a), and waits.
  void OpenImageA(const std::string& path);
  // What the status bar's notice panel says.
  QString Notice() const;
  // The notices the status bar's list holds (through its button), oldest first.
  QStringList Notices() const;
  template <class T>
  T* Find(const QString& name) const {
    return window->findChild<T*>(name);
  }
  QAction* Action(const QString& name) const { return Find<QAction>(name); }
  // The menu entry of the command with that key.
  QAction* CommandAction(const std::string& key) const;
  // Starts a command and waits until its result is shown.
  void RunAndWait(const std::function<void()>& start);
  // Waits until no job runs (an open or a save started), as a user waits
  // for the busy label to go, and lets the notices it left arrive.
  void Settle();
  // Triggers the entry that opens a modal dialog, hands the dialog to look
  // at, then cancels it.
  void LookAtDialog(const QString& entry, const std::function<void(QWidget&)>& look);
  // The same for a modal dialog open() shows; false when none came.
  bool LookAtDialogOf(const std::function<void()>& open, const std::function<void(QWidget&)>& look);
  // Waits until a window that disables itself while it writes (the texture
  // window) is enabled again.
  void WaitUntilEnabled(const QWidget& w);
  // The result file "ps.bmp", once the window has written it (it does so
  // after the result is shown).
  Picture Published() const;
  // Runs the batch tool with its own data folder; answers its exit code.
  int RunBatchTool(const std::string& arguments);

  std::string root;  // scratch folder, $XDG_DATA_HOME
  std::optional<std::string> savedTmpdir;  // TMPDIR before the test
  std::string data;  // root + "VARDELO24/"
  std::unique_ptr<app::Form1> window;
  ScriptedDialog* dialog = nullptr;  // after StartScripted
};

// Lets the window's thread run until condition holds (what a view draws or
// reads away from it arrives); answers whether it came to hold.
bool Eventually(const std::function<bool()>& condition);

}  // namespace pixmora::test
