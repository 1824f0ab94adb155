// Form3, the "Texture" window: saves the current result as a 256 x 256
// texture into the standard or the user's texture library, and shows what
// each library holds.
#pragma once
#include <QDialog>
#include <array>
#include <functional>

#include "session/workspace.h"
#include "windows/texture_library.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace pixmora::windows {

class Form3 : public QDialog {
  Q_OBJECT
 public:
  // Lists both libraries of the session's data folder and shows its result.
  Form3(Workspace& ws, QWidget* owner);

  // Shows a refused name; a critical message box unless a test replaces it.
  std::function<void(QWidget*, const QString&)> critical;

  const TextureLibrary& Library(int i) const { return libraries_[i]; }

 private:
  void LoadTextureFolder(int i);
  void Option1_Click(int i);
  void PicStrip_ItemClick(int i, int position);
  void Command1_Click();
  void Command2_Click();
  void ResetTextureLists();
  // Writes the result, resampled to 256 x 256, as a 24-bit BMP.
  bool SaveTexture(const std::string& path);

  Workspace& ws_;
  std::array<TextureLibrary, 2> libraries_;
  int16_t selected_ = 0;
  int16_t verdict_ = 0;
  std::array<QRadioButton*, 2> Option1_{};
  std::array<QListWidget*, 2> strips_{};
  std::array<QLabel*, 2> Label1_{};
  std::array<QLabel*, 2> Image1_{};
  QLineEdit* Text1_ = nullptr;
};

}  // namespace pixmora::windows
