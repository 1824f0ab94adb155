#include "app/save_commands.h"

#include <array>
#include <filesystem>

#include "app/file_dialog.h"
#include "core/file_messages.h"
#include "imageio/mfreeimage.h"
#include "imageio/picture_files.h"
#include "imageio/write_picture.h"
#include "session/save_file.h"

namespace pixmora::app {

namespace {

const QString kSaveFilter = QStringLiteral(
    "Files BMP(*.bmp)|*.bmp|Files JPG(*.jpg)|*.jpg|Files PNG(*.png)|*.png|Files TIF(*.tif)|*.tif|");
// By the dialog's 1-based filter index.
constexpr std::array<int, 4> kSaveFormats = {kFormatBmp, kFormatJpeg, kFormatPng, kFormatTiff};
void ReportCannotWrite(CommandHost& host, const std::string& path, const std::string& why) {
  host.Report(QString::fromStdString(CannotWrite(path, why)));
}

void SaveFile(CommandHost& host) {
  FileDialogRequest request;
  request.title = host.EntryCaption("mnusalva");
  request.filter = kSaveFilter;
  request.filterIndex = 1;
  request.defaultExtension = ".bmp";
  request.save = true;
  const FileDialogAnswer answer = host.Dialog1().Show(host.Owner(), request);
  if (answer.fileName.isEmpty()) return;
  const int index = answer.filterIndex >= 1 && answer.filterIndex <= 4 ? answer.filterIndex : 1;
  const int format = kSaveFormats[index - 1];
  const std::string path = answer.fileName.toStdString();
  const Picture result = host.Session().imma.Image();
  if (result->Count() == 0) {
    host.Report(QStringLiteral("There is no result to save yet."));
    return;
  }
  // A first write that went to another name (the format's extension
  // appended) is not read back: the file the dialog named stays alone.
  const std::string name = NameWithFormatExtension(path, format);
  const SaveOutcome saved = SaveResultFile(result, name, format, name == path);
  if (!saved.error.empty()) ReportCannotWrite(host, path, saved.error);
  else if (!saved.secondError.empty())
    ReportCannotWrite(host, path, saved.secondError + " (the first write stands)");
}

// The result becomes image A or B through "$$$.bmp" in the working folder;
// the result is then cleared, so the next command starts from the new picture.
void LoadResultInto(CommandHost& host, Slot slot) {
  Workspace& ws = host.Session();
  const std::string path = ws.folders.work + "$$$.bmp";
  const Picture result = ws.Pic4.Image();
  if (result->Count() == 0) {
    host.Report(QStringLiteral("There is no result to hand on yet."));
    return;
  }
  const std::string written = WritePictureFile(result, path, kFormatBmp);
  if (!written.empty()) {
    ReportCannotWrite(host, path, written);
    return;
  }
  std::string why;
  const Picture picture = ReadChosenPicture(path, why);
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  if (!picture) {
    host.Report(QString::fromStdString(CannotRead("", path, why)));
    return;
  }
  host.ShowPicture(slot, picture);
  ws.Image1.SetPicture(nullptr);
  ws.Pic4.SetPicture(nullptr);
  host.RefreshPreviews();
  RecipeStep step;
  step.kind = RecipeStep::Kind::HandOn, step.slot = slot;
  host.RecordStep(step);
}

}  // namespace

void RegisterSaveCommands(CommandHost& host) {
  host.SetCommand(WindowCommand::SaveFile, [&host] { SaveFile(host); });
  host.SetCommand(WindowCommand::ResultToImageA, [&host] { LoadResultInto(host, Slot::ImageA); });
  host.SetCommand(WindowCommand::ResultToImageB, [&host] { LoadResultInto(host, Slot::ImageB); });
}

}  // namespace pixmora::app
