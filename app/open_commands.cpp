#include "app/open_commands.h"

#include <QAction>
#include <QDir>

#include "app/form1.h"
#include "imageio/picture_files.h"

namespace pixmora::app {

namespace {

const QString kOpenFilter = QStringLiteral("Files BMP(*.bmp)|*.bmp|Files JPG(*.jpg)|*.jpg|");

// The caption of a menu entry, as translated at start-up.
QString EntryCaption(Form1& window, const char* entry) {
  const auto* action = window.findChild<QAction*>(entry);
  return action ? action->text() : QString();
}

// The shape dialog starts among the shipped shapes when there are any.
QString ShapeFolder(Form1& window) {
  const QString folder = QString::fromStdString(window.Session().folders.Shapes());
  return QDir(folder).entryList({"*.bmp"}, QDir::Files).isEmpty() ? QString() : folder;
}

// The picture is read once, in the decoder process, and shown as read. A file
// that cannot be read changes nothing, and the notice says why.
void OpenPicture(Form1& window, Form1::Slot slot, const char* titleEntry, const char* role,
                 const QString& initialFolder = {}) {
  FileDialogRequest request;
  request.title = EntryCaption(window, titleEntry);
  request.filter = kOpenFilter;
  request.initialFolder = initialFolder;
  const FileDialogAnswer answer = window.Dialog1().Show(&window, request);
  if (answer.fileName.isEmpty()) return;
  std::string why;
  const Picture picture = ReadChosenPicture(answer.fileName.toStdString(), why);
  if (!picture) {
    window.Report(QStringLiteral("cannot read %1 %2: %3")
                      .arg(QLatin1String(role), answer.fileName, QString::fromStdString(why)));
    return;
  }
  window.ShowPicture(slot, picture);
}

}  // namespace

void RegisterOpenCommands(Form1& window) {
  const auto imageA = [&window] {
    OpenPicture(window, Form1::Slot::ImageA, "mnuimma", "image A");
  };
  const auto imageB = [&window] {
    OpenPicture(window, Form1::Slot::ImageB, "mnuimmb", "image B");
  };
  const auto pattern = [&window] {
    OpenPicture(window, Form1::Slot::Pattern, "mnusalvap", "pattern");
  };
  const auto shape = [&window] {
    OpenPicture(window, Form1::Slot::Shape, "mnuimmb", "shape", ShapeFolder(window));
  };
  window.SetCommand("mnuimma", imageA);
  window.SetCommand("Image2", imageA);
  window.SetCommand("mnuimmb", imageB);
  window.SetCommand("Image3", imageB);
  window.SetCommand("mnusalvap", pattern);
  window.SetCommand("picture1", pattern);
  window.SetCommand("Picture4", shape);
}

}  // namespace pixmora::app
