#include "app/open_commands.h"

#include <QAction>
#include <QDir>
#include <utility>

#include "app/form1.h"
#include "app/picture_box.h"
#include "core/file_messages.h"
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

// How the notices name the picture being opened.
const char* Role(Form1::Slot slot) {
  switch (slot) {
    case Form1::Slot::ImageA: return "image A";
    case Form1::Slot::ImageB: return "image B";
    case Form1::Slot::Pattern: return "pattern";
    case Form1::Slot::Shape: return "shape";
  }
  return "";
}

void OpenPicture(Form1& window, Form1::Slot slot, const char* titleEntry,
                 const QString& initialFolder = {}) {
  FileDialogRequest request;
  request.title = EntryCaption(window, titleEntry);
  request.filter = kOpenFilter;
  request.initialFolder = initialFolder;
  const FileDialogAnswer answer = window.Dialog1().Show(&window, request);
  if (!answer.fileName.isEmpty()) OpenPictureFile(window, slot, answer.fileName);
}

// The previews take a picture file dropped on them as their dialog's choice.
void AcceptDroppedFiles(Form1& window) {
  const Form1Controls& c = window.Controls();
  const std::pair<PreviewBox*, Form1::Slot> targets[] = {{c.Image2, Form1::Slot::ImageA},
                                                         {c.Image3, Form1::Slot::ImageB},
                                                         {c.picture1, Form1::Slot::Pattern},
                                                         {c.Picture4, Form1::Slot::Shape}};
  for (const auto& [box, slot] : targets) {
    box->setAcceptDrops(true);
    // Queued: the drop is over for the dragging program before the file is read.
    QObject::connect(
        box, &PreviewBox::fileDropped, &window,
        [&window, slot = slot](const QString& path) { OpenPictureFile(window, slot, path); },
        Qt::QueuedConnection);
  }
}

}  // namespace

// The picture is read once, in the decoder process, and shown as read. A file
// that cannot be read changes nothing, and the notice says why.
bool OpenPictureFile(Form1& window, Form1::Slot slot, const QString& path) {
  if (window.Busy()) return false;
  std::string why;
  const Picture picture = ReadChosenPicture(path.toStdString(), why);
  if (!picture) {
    window.Report(QString::fromStdString(CannotRead(Role(slot), path.toStdString(), why)));
    return false;
  }
  return window.ShowPicture(slot, picture);
}

void RegisterOpenCommands(Form1& window) {
  const auto imageA = [&window] { OpenPicture(window, Form1::Slot::ImageA, "mnuimma"); };
  const auto imageB = [&window] { OpenPicture(window, Form1::Slot::ImageB, "mnuimmb"); };
  const auto pattern = [&window] { OpenPicture(window, Form1::Slot::Pattern, "mnusalvap"); };
  const auto shape = [&window] {
    OpenPicture(window, Form1::Slot::Shape, "mnuimmb", ShapeFolder(window));
  };
  window.SetCommand("mnuimma", imageA);
  window.SetCommand("Image2", imageA);
  window.SetCommand("mnuimmb", imageB);
  window.SetCommand("Image3", imageB);
  window.SetCommand("mnusalvap", pattern);
  window.SetCommand("picture1", pattern);
  window.SetCommand("Picture4", shape);
  AcceptDroppedFiles(window);
}

}  // namespace pixmora::app
