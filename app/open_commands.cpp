#include "app/open_commands.h"

#include <QDir>

#include "app/file_dialog.h"
#include "core/file_messages.h"
#include "imageio/picture_files.h"

namespace pixmora::app {

namespace {

const QString kOpenFilter = QStringLiteral("Files BMP(*.bmp)|*.bmp|Files JPG(*.jpg)|*.jpg|");

// The shape dialog starts among the shipped shapes when there are any.
QString ShapeFolder(CommandHost& host) {
  const QString folder = QString::fromStdString(host.Session().folders.Shapes());
  return QDir(folder).entryList({"*.bmp"}, QDir::Files).isEmpty() ? QString() : folder;
}

// How the notices name the picture being opened.
const char* Role(Slot slot) {
  switch (slot) {
    case Slot::ImageA: return "image A";
    case Slot::ImageB: return "image B";
    case Slot::Pattern: return "pattern";
    case Slot::Shape: return "shape";
  }
  return "";
}

void OpenPicture(CommandHost& host, Slot slot, const char* titleEntry,
                 const QString& initialFolder = {}) {
  FileDialogRequest request;
  request.title = host.EntryCaption(titleEntry);
  request.filter = kOpenFilter;
  request.initialFolder = initialFolder;
  const FileDialogAnswer answer = host.Dialog1().Show(host.Owner(), request);
  if (!answer.fileName.isEmpty()) OpenPictureFile(host, slot, answer.fileName);
}

}  // namespace

// The picture is read once, in the decoder process, and shown as read. A file
// that cannot be read changes nothing, and the notice says why.
bool OpenPictureFile(CommandHost& host, Slot slot, const QString& path) {
  if (host.Busy()) return false;
  std::string why, note;
  const Picture picture = ReadChosenPicture(path.toStdString(), why, &note);
  if (!picture) {
    host.Report(QString::fromStdString(CannotRead(Role(slot), path.toStdString(), why)));
    return false;
  }
  if (!host.ShowPicture(slot, picture)) return false;
  if (!note.empty()) host.Report(QString::fromStdString(PictureNote(Role(slot), path.toStdString(), note)));
  RecipeStep step;
  step.kind = RecipeStep::Kind::Open, step.slot = slot, step.file = path.toStdString();
  host.RecordStep(step);
  return true;
}

void RegisterOpenCommands(CommandHost& host) {
  host.SetCommand(WindowCommand::OpenImageA, [&host] { OpenPicture(host, Slot::ImageA, "mnuimma"); });
  host.SetCommand(WindowCommand::OpenImageB, [&host] { OpenPicture(host, Slot::ImageB, "mnuimmb"); });
  host.SetCommand(WindowCommand::OpenPattern,
                  [&host] { OpenPicture(host, Slot::Pattern, "mnusalvap"); });
  host.SetCommand(WindowCommand::ChooseShape,
                  [&host] { OpenPicture(host, Slot::Shape, "mnuimmb", ShapeFolder(host)); });
}

}  // namespace pixmora::app
