// Dialog1, the one file dialog the File commands share. Commands describe
// what they ask for; the program answers with Qt's dialog, tests with a
// scripted answer.
#pragma once
#include <QString>
#include <QStringList>

#include "imageio/save_settings.h"

class QWidget;

namespace pixmora::app {

struct FileDialogRequest {
  QString title;
  // In the "Name(*.ext)|*.ext|..." form the commands are written with.
  QString filter;
  int filterIndex = 1;  // 1-based
  QString initialFolder;  // empty: the dialog's own choice
  QString defaultExtension;  // ".bmp"; appended to a name typed without one
  bool save = false;         // a save dialog, with the overwrite prompt
  bool encoding = false;     // a picture's save: the JPEG quality and PNG compression too
};

// An empty fileName means that nothing was chosen.
struct FileDialogAnswer {
  QString fileName;
  int filterIndex = 1;
  SaveSettings save = {};  // with encoding: as chosen
};

class FileDialog {
 public:
  virtual ~FileDialog() = default;
  virtual FileDialogAnswer Show(QWidget* parent, const FileDialogRequest& request) = 0;
};

// Qt's QFileDialog. Where the request names no folder, it starts in the one
// last chosen from; the encoding starts as last chosen (see user_settings.h).
class QtFileDialog : public FileDialog {
 public:
  FileDialogAnswer Show(QWidget* parent, const FileDialogRequest& request) override;
};

// "Files BMP(*.bmp)|*.bmp|..." as Qt name filters: "Files BMP (*.bmp)", ...
QStringList NameFilters(const QString& filter);

}  // namespace pixmora::app
