#include "app/save_commands.h"

#include <QAction>
#include <QFileInfo>
#include <array>
#include <filesystem>

#include "app/form1.h"
#include "imageio/mfreeimage.h"

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

// The file is read back and written once more in its format, so that what is
// on disk carries the resolution fields (a JPEG is compressed twice).
void SaveSecondPass(const std::string& path, int format) {
  FIBITMAP* again = LoadBitmap(format, path, 0);
  if (!again) return;
  SetResolution(again);
  SaveBitmap(format, again, path, 0);
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
    const bool saved = SaveAtOwnSize(bitmap, path, format);
    if (!saved) {
      window.Report(QStringLiteral("Cannot save %1: %2")
                        .arg(answer.fileName, QString::fromStdString(LastFileLayerMessage())));
      return;
    }
    SaveSecondPass(path, format);
  } catch (const ImageError& e) {
    window.Report(QStringLiteral("Cannot save %1: %2")
                      .arg(answer.fileName, QString::fromStdString(e.Summary())));
  }
}

// The result becomes image A or B through a file in the program's folder; the
// result is then cleared, so the next command starts from the new picture.
void LoadResultInto(Form1& window, Form1::Slot slot) {
  Workspace& ws = window.Session();
  const std::string path = ws.folders.program + "$$$.bmp";
  try {
    FIBITMAP* bitmap = ImageFromDeviceContext(ws.Pic4);
    if (!bitmap) return;
    const bool saved = SaveAtOwnSize(bitmap, path, kFormatBmp);
    if (!saved) {
      window.Report(QStringLiteral("Cannot write %1: the program's folder is not writable.")
                        .arg(QString::fromStdString(path)));
      return;
    }
    LoadImageAsPicture(path, 0, {}, {}, true, FILTER_BSPLINE, nullptr);
  } catch (const ImageError& e) {
    window.Report(QString::fromStdString(e.Summary()));
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return;
  }
  window.ShowPicture(slot, path);
  ws.Image1.SetPicture(nullptr);
  ws.Pic4.SetPicture(nullptr);
  window.RefreshPreviews();
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
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
