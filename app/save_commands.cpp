#include "app/save_commands.h"

#include <QFileInfo>
#include <atomic>
#include <filesystem>
#include <memory>

#include "app/file_dialog.h"
#include "app/save_format.h"
#include "core/cancel_token.h"
#include "imageio/picture_files.h"
#include "imageio/write_picture.h"
#include "session/save_file.h"
#include "windows/transparency_notice.h"
#include "windows/translate.h"

namespace pixmora::app {

namespace {

constexpr const char* kHandOnFile = "$$$.bmp";

// Called from a job's work: a cancelled job says nothing more (its done does).
void ReportFailure(CommandHost& host, const Failure& failure) {
  if (!CancelScope::Cancelled()) host.Report(QString::fromStdString(failure.Message()));
}

}  // namespace

void SaveResult(CommandHost& host, std::function<void()> whenSaved) {
  // Before any command there is nothing to write: said before the dialog asks for a name.
  const Picture result = host.Session().imma.Image();
  if (result->Count() == 0) {
    host.Report(windows::Tr("There is no result to save yet."));
    return;
  }
  FileDialogRequest request;
  request.title = host.Caption("mnusalva");
  request.filter = SaveFilter();
  request.filterIndex = 1;
  request.defaultExtension = ".bmp";
  request.save = true;
  request.encoding = true;
  const FileDialogAnswer answer = host.Dialog1().Show(host.Owner(), request);
  if (answer.fileName.isEmpty()) return;
  const SaveTarget target = SaveTargetOf(answer.fileName, answer.filterIndex);
  const std::string path = target.path.toStdString();
  const PictureFormat format = target.format;
  const SaveSettings save = answer.save;
  FileJob job;
  job.what = windows::Tr("Saving %1 ...").arg(QFileInfo(target.path).fileName());
  job.writes = true;
  // Set by the work when the file holds the result (a failed second pass
  // leaves the first, which does).
  auto written = std::make_shared<std::atomic<bool>>(false);
  job.work = [&host, result, path, format, save, written] {
    Status saved = SaveResultFile(result, path, format, false, save);
    *written = saved.has_value();
    if (saved && !CancelScope::Cancelled()) saved = FinishSavedFile(path, format, save);
    if (!saved) ReportFailure(host, saved.error());
  };
  job.done = [&host, target, result, written, whenSaved = std::move(whenSaved)](bool cancelled) {
    if (cancelled) host.Report(windows::Tr("Saving was cancelled: %1 is as it was.").arg(target.path));
    if (cancelled || !*written) return;
    if (result->GetAlpha() && !HoldsTransparency(target.format))
      host.Report(windows::TransparencyLostNotice(QFileInfo(target.path).fileName()));
    host.ResultSaved(result);
    if (whenSaved) whenSaved();
  };
  host.RunFileJob(std::move(job));
}

namespace {

// The work of handing the result on: through "$$$.bmp" in the working
// folder (its colours; the result's alpha comes beside them), then the
// result is cleared, so the next command starts from the new picture;
// handedOn is said then.
void HandOn(CommandHost& host, Slot slot, const Picture& result, const QString& handedOn) {
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
  Result<Picture> picture = ReadChosenPicture(path);
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  if (CancelScope::Cancelled()) return;
  if (!picture) {
    ReportFailure(host, picture.error());
    return;
  }
  host.PutPicture(slot, WithAlpha(std::move(*picture), result->GetAlpha()));
  ws.Image1.SetPicture(nullptr);
  ws.Pic4.SetPicture(nullptr);
  RecipeStep step;
  step.kind = RecipeStep::Kind::HandOn, step.slot = slot;
  host.RecordStep(step);
  host.Report(handedOn);
}

void LoadResultInto(CommandHost& host, Slot slot) {
  // Before any command, and once handed on, the result is blank: not worth
  // handing on.
  const PictureSurface& pic4 = host.Session().Pic4;
  const Picture result = pic4.Image();
  if (!pic4.GetPicture() || result->Count() == 0) {
    host.Report(windows::Tr("There is no result to hand on yet."));
    return;
  }
  FileJob job;
  const QChar letter = slot == Slot::ImageA ? 'A' : 'B';
  job.what = windows::Tr("Handing the result on as image %1 ...").arg(letter);
  // The result preview turns blank, but the snapshot Save file writes stays.
  const QString handedOn = windows::Tr("The result went on as image %1; %2 still writes the last result.")
                               .arg(letter)
                               .arg(host.Caption("mnusalva"));
  job.work = [&host, slot, result, handedOn] { HandOn(host, slot, result, handedOn); };
  job.done = [&host](bool cancelled) {
    if (cancelled) host.Report(windows::Tr("Handing the result on was cancelled."));
  };
  host.RunFileJob(std::move(job));
}

}  // namespace

void RegisterSaveCommands(CommandHost& host) {
  host.SetCommand(WindowCommand::SaveFile, [&host] { SaveResult(host); });
  host.SetCommand(WindowCommand::ResultToImageA, [&host] { LoadResultInto(host, Slot::ImageA); });
  host.SetCommand(WindowCommand::ResultToImageB, [&host] { LoadResultInto(host, Slot::ImageB); });
}

}  // namespace pixmora::app
