// What the window's command files need of the window, and nothing more: the
// session, the status line, the file dialog, the previews, the background
// runner and the place to bind their commands. Form1 is the one host; the
// command files never see its widgets.
#pragma once
#include <QString>
#include <functional>
#include <string>

#include "app/window_commands.h"
#include "core/picture.h"
#include "session/recipe/recipe.h"
#include "session/workspace.h"

class QWidget;

namespace pixmora::app {

class FileDialog;

// Opening, saving or handing on a file: it runs away from the window's thread
// with the busy label, a busy progress bar and a Cancel button (or Esc).
struct FileJob {
  QString what;                              // "Opening photo.jpg", in the status bar meanwhile
  std::function<void()> work;                // away from the window's thread
  std::function<void(bool cancelled)> done;  // then back on the window's thread
  // A cancelled write is left to end alone and never replaces the old file;
  // the window is free at once. Such work holds its own copy of the picture
  // and touches nothing of the session.
  bool writes = false;
};

class CommandHost {
 public:
  virtual ~CommandHost() = default;

  // The session. Touch it only while no command runs (Busy() is false).
  virtual Workspace& Session() = 0;
  virtual bool Busy() const = 0;
  // A one-line notice in the status bar (thread-safe); the next command
  // clears it.
  virtual void Report(const QString& text) = 0;
  // The file dialog the File commands share.
  virtual FileDialog& Dialog1() = 0;
  // The window dialogs and secondary windows belong to.
  virtual QWidget* Owner() = 0;
  // The current caption of a menu entry or a label (as translated at start-up).
  virtual QString Caption(const char* control) const = 0;

  // Puts a picture already read in one of the four slots a file opens into
  // (kOpenedSlots), and its preview (null: "No Preview
  // Available"); image A also resizes the planes. Called by a file job's work,
  // whose end repaints the previews.
  virtual void PutPicture(Slot slot, const Picture& picture) = 0;
  // Runs job on the session away from the window's thread, with the commands
  // that could start another disabled; false when one is already running.
  virtual bool RunInBackground(std::function<void()> job) = 0;
  virtual bool RunFileJob(FileJob job) = 0;
  // Binds a command to the controls the command table names for it.
  virtual void SetCommand(WindowCommand command, std::function<void()> run) = 0;
  // Called on the window's thread whenever the session's pictures may have
  // changed (a job ended, a picture was shown).
  virtual void WhenPicturesChange(std::function<void()> changed) = 0;
  // Notes a step that changed the session's pictures, with the pictures it
  // left, for undo and for recipes. Call it where the step ends: in the
  // background job that ran it, or on the window's thread.
  virtual void RecordStep(const RecipeStep& step) = 0;
  // The result was written by Save file or as a texture (on the window's
  // thread): quitting need not ask for it.
  virtual void ResultSaved(const Picture& result) = 0;
};

}  // namespace pixmora::app
