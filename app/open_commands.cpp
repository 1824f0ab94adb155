#include "app/open_commands.h"

#include <QAction>
#include <QDir>

#include "app/form1.h"
#include "imageio/mfreeimage.h"

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

// The picture library reads the file first: a file it refuses changes
// nothing. Without a size the picture keeps its own. The platform loader then
// shows it (and replaces what the library read).
void OpenPicture(Form1& window, Form1::Slot slot, const char* titleEntry,
                 const QString& initialFolder = {}) {
  FileDialogRequest request;
  request.title = EntryCaption(window, titleEntry);
  request.filter = kOpenFilter;
  request.initialFolder = initialFolder;
  const FileDialogAnswer answer = window.Dialog1().Show(&window, request);
  if (answer.fileName.isEmpty()) return;
  const std::string path = answer.fileName.toStdString();
  try {
    // A file of no known format would leave the surface empty: refused too,
    // so that bad input loses nothing.
    if (!LoadImageAsPicture(path, 0, {}, {}, true, FILTER_BSPLINE, nullptr)) {
      window.Report(QStringLiteral("Cannot open %1: not a picture file.").arg(answer.fileName));
      return;
    }
  } catch (const ImageError& e) {
    window.Report(QStringLiteral("Cannot open %1: %2")
                      .arg(answer.fileName, QString::fromStdString(e.Summary())));
    return;
  }
  window.ShowPicture(slot, path);
}

}  // namespace

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
}

}  // namespace pixmora::app
