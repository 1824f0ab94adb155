// The encoding choices the save dialog offers below its file list: the JPEG
// quality and the PNG compression (each ignored by the other formats).
#pragma once
#include "imageio/save_settings.h"

class QComboBox;
class QFileDialog;
class QSpinBox;

namespace pixmora::app {

class SaveOptions {
 public:
  // Adds them to Qt's own dialog (not the desktop's), showing settings.
  SaveOptions(QFileDialog& dialog, const SaveSettings& settings);
  // What they say now. The JPEG default, 75, is no choice: a file written
  // with it is the same as one written with none.
  SaveSettings Chosen() const;

 private:
  QSpinBox* quality_;
  QComboBox* compression_;
};

}  // namespace pixmora::app
