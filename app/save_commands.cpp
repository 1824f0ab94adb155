#include "app/save_commands.h"

#include <QFileInfo>
#include <filesystem>

#include "app/file_dialog.h"
#include "app/save_format.h"
#include "core/cancel_token.h"
#include "imageio/picture_files.h"
#include "imageio/write_picture.h"
#include "session/save_file.h"

namespace pixmora::app {

namespace {

constexpr const char* kHandOnFile = "$$$.bmp";

// Called from a job's work: a cancelled job says nothing more (its done does).
void ReportFailure(CommandHost& host, const Failure& failure) {
  if (!CancelScope::Cancelled()) host.Report(QString::fromStdString(failure.Message()));
}

void SaveFile(CommandHost& host) {
  FileDialogRequest request;
  request.title = host.Caption("mnusalva");
  request.filter = SaveFilter();
  request.filterIndex = 1;
  request.defaultExtension = ".bmp";
  request.save = true;
  const FileDialogAnswer answer = host.Dialog1().Show(host.Owner(), request);
  if (answer.fileName.isEmpty()) return;
  const SaveTarget target = SaveTargetOf(answer.fileName, answer.filterIndex);
  const std::string path = target.path.toStdString();
  const PictureFormat format = target.format;
  const Picture result = host.Session().imma.Image();
  if (result->Count() == 0) {
    host.Report(QStringLiteral("There is no result to save yet."));
    return;
  }
  FileJob job;
  job.what = QStringLiteral("Saving %1 ...").arg(QFileInfo(target.path).fileName());
  job.writes = true;
  job.work = [&host, result, path, format] {
    if (Status saved = SaveResultFile(result, path, format, true); !saved) ReportFailure(host, saved.error());
  };
  job.done = [&host, target](bool cancelled) {
    if (cancelled) host.Report(QStringLiteral("Saving was cancelled: %1 is as it was.").arg(target.path));
  };
  host.RunFileJob(std::move(job));
}

// The work of handing the result on: through "$$$.bmp" in the working
// folder, then the result is cleared, so the next command starts from the
// new picture.
void HandOn(CommandHost& host, Slot slot, const Picture& result) {
  Workspace& ws = host.Session();
  // Without a working folder the file would land in the current folder.
  if (ws.folders.work.empty()) {
    ReportFailure(host, CannotWrite(kHandOnFile, "there is no working folder"));
    return;
  }
  const std::string path = ws.folders.work + kHandOnFile;
  if (Status written = WritePictureFile(result, path, PictureFormat::Bmp); !written) {
    ReportFailure(host, written.error());
    return;
  }
  const Result<Picture> picture = ReadChosenPicture(path);
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  if (CancelScope::Cancelled()) return;
  if (!picture) {
    ReportFailure(host, picture.error());
    return;
  }
  host.PutPicture(slot, *picture);
  ws.Image1.SetPicture(nullptr);
  ws.Pic4.SetPicture(nullptr);
  RecipeStep step;
  step.kind = RecipeStep::Kind::HandOn, step.slot = slot;
  host.RecordStep(step);
}

void LoadResultInto(CommandHost& host, Slot slot) {
  const Picture result = host.Session().Pic4.Image();
  if (result->Count() == 0) {
    host.Report(QStringLiteral("There is no result to hand on yet."));
    return;
  }
  FileJob job;
  job.what = QStringLiteral("Handing the result on as image %1 ...").arg(slot == Slot::ImageA ? 'A' : 'B');
  job.work = [&host, slot, result] { HandOn(host, slot, result); };
  job.done = [&host](bool cancelled) {
    if (cancelled) host.Report(QStringLiteral("Handing the result on was cancelled."));
  };
  host.RunFileJob(std::move(job));
}

}  // namespace

void RegisterSaveCommands(CommandHost& host) {
  host.SetCommand(WindowCommand::SaveFile, [&host] { SaveFile(host); });
  host.SetCommand(WindowCommand::ResultToImageA, [&host] { LoadResultInto(host, Slot::ImageA); });
  host.SetCommand(WindowCommand::ResultToImageB, [&host] { LoadResultInto(host, Slot::ImageB); });
}

}  // namespace pixmora::app
