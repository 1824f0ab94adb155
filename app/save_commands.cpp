#include "app/save_commands.h"

#include <QAction>
#include <array>
#include <filesystem>

#include "app/form1.h"
#include "imageio/mfreeimage.h"
#include "imageio/picture_files.h"

namespace pixmora::app {

namespace {

const QString kSaveFilter = QStringLiteral(
    "Files BMP(*.bmp)|*.bmp|Files JPG(*.jpg)|*.jpg|Files PNG(*.png)|*.png|Files TIF(*.tif)|*.tif|");
// By the dialog's 1-based filter index.
constexpr std::array<int, 4> kSaveFormats = {kFormatBmp, kFormatJpeg, kFormatPng, kFormatTiff};
// No command changes it; saved files carry it.
constexpr int32_t kResolution = 0;

void SetResolution(FIBITMAP* bitmap) {
  SetImageDpiX(bitmap, kResolution);
  SetImageDpiY(bitmap, kResolution);
}

// Writes the bitmap at its own size as a 24-bit file of the format, then frees it.
bool SaveAtOwnSize(FIBITMAP* bitmap, const std::string& path, int format) {
  bool saved = false;
  try {
    saved = SaveImageFile(bitmap, path, format, 0, 24,
                          SizeArg::Whole(static_cast<int32_t>(FreeImage_GetWidth(bitmap))),
                          SizeArg::Whole(static_cast<int32_t>(FreeImage_GetHeight(bitmap))),
                          false, FILTER_BSPLINE, false);
  } catch (...) {
    FreeImage_Unload(bitmap);
    throw;
  }
  FreeImage_Unload(bitmap);
  return saved;
}

QString CannotWrite(const std::string& path, const std::string& why) {
  return QStringLiteral("cannot write %1: %2")
      .arg(QString::fromStdString(path), QString::fromStdString(why));
}

// The file is read back and written once more in its format, so that what is
// on disk carries the resolution fields (a JPEG is compressed twice). Only the
// file just written is read back: a first write that went to another name (the
// format's extension appended) leaves the file the dialog named alone.
void SaveSecondPass(Form1& window, const std::string& path, int format) {
  if (!ExtensionMatchesFormat(format, path, true)) return;
  FIBITMAP* again = LoadBitmap(format, path, 0);
  if (!again) return;
  SetResolution(again);
  // The write is atomic: when it fails, the first write stands.
  if (!SaveBitmap(format, again, path, 0))
    window.Report(CannotWrite(path, LastFileLayerMessage() + " (the first write stands)"));
  FreeImage_Unload(again);
}

void SaveFile(Form1& window) {
  FileDialogRequest request;
  const auto* entry = window.findChild<QAction*>("mnusalva");
  request.title = entry ? entry->text() : QString();
  request.filter = kSaveFilter;
  request.filterIndex = 1;
  request.defaultExtension = ".bmp";
  request.save = true;
  const FileDialogAnswer answer = window.Dialog1().Show(&window, request);
  if (answer.fileName.isEmpty()) return;
  const int index = answer.filterIndex >= 1 && answer.filterIndex <= 4 ? answer.filterIndex : 1;
  const int format = kSaveFormats[index - 1];
  const std::string path = answer.fileName.toStdString();
  try {
    FIBITMAP* bitmap = ImageFromDeviceContext(window.Session().imma);
    if (!bitmap) {
      window.Report(QStringLiteral("There is no result to save yet."));
      return;
    }
    SetResolution(bitmap);
    if (!SaveAtOwnSize(bitmap, path, format)) {
      window.Report(CannotWrite(path, LastFileLayerMessage()));
      return;
    }
    SaveSecondPass(window, path, format);
  } catch (const ImageError& e) {
    window.Report(CannotWrite(path, e.Summary()));
  }
}

// The result becomes image A or B through a file in the program's folder; the
// result is then cleared, so the next command starts from the new picture.
void LoadResultInto(Form1& window, Form1::Slot slot) {
  Workspace& ws = window.Session();
  const std::string path = ws.folders.program + "$$$.bmp";
  try {
    FIBITMAP* bitmap = ImageFromDeviceContext(ws.Pic4);
    if (!bitmap) {
      window.Report(QStringLiteral("There is no result to hand on yet."));
      return;
    }
    if (!SaveAtOwnSize(bitmap, path, kFormatBmp)) {
      window.Report(CannotWrite(path, LastFileLayerMessage()));
      return;
    }
  } catch (const ImageError& e) {
    window.Report(CannotWrite(path, e.Summary()));
    return;
  }
  std::string why;
  const Picture picture = ReadChosenPicture(path, why);
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  if (!picture) {
    window.Report(QStringLiteral("cannot read %1: %2")
                      .arg(QString::fromStdString(path), QString::fromStdString(why)));
    return;
  }
  window.ShowPicture(slot, picture);
  ws.Image1.SetPicture(nullptr);
  ws.Pic4.SetPicture(nullptr);
  window.RefreshPreviews();
}

}  // namespace

void RegisterSaveCommands(Form1& window) {
  const auto save = [&window] { SaveFile(window); };
  const auto imageA = [&window] { LoadResultInto(window, Form1::Slot::ImageA); };
  const auto imageB = [&window] { LoadResultInto(window, Form1::Slot::ImageB); };
  window.SetCommand("mnusalva", save);
  window.SetCommand("Image1", save);
  window.SetCommand("mnusalvaa", imageA);
  window.SetCommand("Image5(5)", imageA);
  window.SetCommand("mnusalvab", imageB);
  window.SetCommand("Image5(6)", imageB);
}

}  // namespace pixmora::app
