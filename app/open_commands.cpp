#include "app/open_commands.h"

#include <QDir>
#include <QFileInfo>
#include <memory>
#include <vector>

#include "app/file_dialog.h"
#include "app/user_settings.h"
#include "core/cancel_token.h"
#include "core/file_messages.h"
#include "imageio/picture_files.h"
#include "session/config/shipped_data.h"
#include "windows/translate.h"

namespace pixmora::app {

namespace {

// Every picture the decoder reads, first, so that a folder of photographs does
// not look empty; then the design's two.
QString OpenFilter() {
  return windows::Tr("All pictures") +
         QStringLiteral(" (*.bmp *.jpg *.jpeg *.png *.tif *.tiff *.gif *.tga *.webp *.psd *.pcx *.ppm "
                        "*.pgm *.pbm *.pnm *.ico *.jp2 *.j2k *.exr *.hdr *.dds *.xpm *.sgi)|*.*|"
                        "Files BMP(*.bmp)|*.bmp|Files JPG(*.jpg)|*.jpg|");
}

// The shape dialog starts among the shipped shapes when there are any.
QString ShapeFolder(CommandHost& host) {
  const QString folder = QString::fromStdString(host.Session().folders.Shapes());
  return QDir(folder).entryList({"*.bmp"}, QDir::Files).isEmpty() ? QString() : folder;
}

void OpenPicture(CommandHost& host, Slot slot, const char* titleEntry,
                 const QString& initialFolder = {}) {
  FileDialogRequest request;
  request.title = host.Caption(titleEntry);
  request.filter = OpenFilter();
  request.initialFolder = initialFolder;
  const FileDialogAnswer answer = host.Dialog1().Show(host.Owner(), request);
  if (!answer.fileName.isEmpty()) OpenPictureFile(host, slot, answer.fileName);
}

// Reads each file in the decoder process and puts it in its slot; a file that
// cannot be read is reported and leaves its slot as it was. A cancel stops
// at the file being read.
void ReadInto(CommandHost& host, const std::vector<FileToOpen>& files, QStringList& opened) {
  for (const FileToOpen& file : files) {
    std::string note;
    Result<Picture> picture = ReadChosenPicture(file.path.toStdString(), &note);
    if (CancelScope::Cancelled()) return;
    if (!picture) {
      picture.error().role = SlotName(file.slot);
      host.Report(QString::fromStdString(picture.error().Message()));
      continue;
    }
    host.PutPicture(file.slot, *picture);
    if (!note.empty())
      host.Report(QString::fromStdString(PictureNote(SlotName(file.slot), file.path.toStdString(), note)));
    RecipeStep step;
    step.kind = RecipeStep::Kind::Open, step.slot = file.slot, step.file = file.path.toStdString();
    host.RecordStep(step);
    opened << file.path;
  }
}

}  // namespace

bool OpenPictureFiles(CommandHost& host, const std::vector<FileToOpen>& files) {
  if (files.empty()) return false;
  FileJob job;
  const QString name = QFileInfo(files.front().path).fileName();
  job.what = windows::Tr("Opening %1 ...").arg(name);
  // The files opened join File > Open Recent, on the window's thread.
  auto opened = std::make_shared<QStringList>();
  job.work = [&host, files, opened] { ReadInto(host, files, *opened); };
  job.done = [&host, name, opened](bool cancelled) {
    if (cancelled) host.Report(windows::Tr("Opening %1 was cancelled.").arg(name));
    for (const QString& path : *opened) RememberRecentPicture(path);
  };
  return host.RunFileJob(std::move(job));
}

bool OpenPictureFile(CommandHost& host, Slot slot, const QString& path) {
  return OpenPictureFiles(host, {{slot, path}});
}

void RegisterOpenCommands(CommandHost& host) {
  host.SetCommand(WindowCommand::OpenImageA, [&host] { OpenPicture(host, Slot::ImageA, "mnuimma"); });
  host.SetCommand(WindowCommand::OpenSample, [&host] {
    const std::string sample = SamplePhotograph(host.Session().folders.shipped);
    if (sample.empty()) host.Report(windows::Tr("The sample photograph is not installed."));
    else OpenPictureFile(host, Slot::ImageA, QString::fromStdString(sample));
  });
  host.SetCommand(WindowCommand::OpenImageB, [&host] { OpenPicture(host, Slot::ImageB, "mnuimmb"); });
  host.SetCommand(WindowCommand::OpenPattern,
                  [&host] { OpenPicture(host, Slot::Pattern, "mnusalvap"); });
  host.SetCommand(WindowCommand::ChooseShape,
                  [&host] { OpenPicture(host, Slot::Shape, "mnuimmb", ShapeFolder(host)); });
}

}  // namespace pixmora::app
