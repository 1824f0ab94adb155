// Form3, the "Texture" window: saves the current result as a 256 x 256
// texture into the standard or the user's texture library, and shows what
// each library holds. The texture is the whole result fitted to a square, as
// the design has it, or a square of it (TextureFitChoice).
#pragma once
#include <QDialog>
#include <array>
#include <functional>

#include "core/failure.h"
#include "session/workspace.h"
#include "windows/texture_library.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace pixmora::windows {

class TextureFitChoice;

class Form3 : public QDialog {
  Q_OBJECT
 public:
  // Lists both libraries of the session's data folder and shows its result.
  Form3(Workspace& ws, QWidget* owner);

  // Shows a refused name, with a line that says what a valid name is; a
  // critical message box unless a test replaces it.
  std::function<void(QWidget*, const QString& text, const QString& rule)> critical;

  const TextureLibrary& Library(int i) const { return libraries_[i]; }
  // The result the window wrote as a texture; null when it wrote none.
  const Picture& Written() const { return written_; }

 private:
  void LoadTextureFolder(int i);
  void Option1_Click(int i);
  // The name field shows the form a new name takes in the library chosen,
  // with the next free number, and says the rule in its tool tip.
  void ShowNameForm();
  QString NameRule() const;
  void PicStrip_ItemClick(int i, int position);
  void Command1_Click();
  void Command2_Click();
  void ResetTextureLists();
  // The picture the texture is made from, as the fit chosen has it.
  Picture TextureSource() const;
  // Writes the picture, resampled to 256 x 256, as a 24-bit BMP (away from
  // the window's thread).
  static Status WriteTexture(const Picture& result, const std::string& path);
  // Back on the window's thread: the clipboard names the library, and the
  // window closes. lost: the texture's source had transparency, which the
  // 24-bit texture lost.
  void TextureWritten(const Status& written, const std::string& folder, const Picture& result, bool lost);

  Workspace& ws_;
  std::array<TextureLibrary, 2> libraries_;  // 0: the standard library, 1: the user's
  int16_t selected_ = 0;                     // the library a new texture goes into
  int16_t verdict_ = 0;                      // the name check's flag: -1 accepted, 0 refused
  Picture written_;
  // The controls, with their design names as object names.
  std::array<QRadioButton*, 2> Option1_{};      // "Option1(i)": chooses library i
  std::array<QListWidget*, 2> strips_{};        // "PicStrip1", "PicStrip2": each library's thumbnails
  std::array<QLabel*, 2> libraryCounts_{};      // "Label1(i)": how many textures library i holds
  std::array<QLabel*, 2> libraryPictures_{};    // "Image1(0)": the result; "Image1(1)": the texture clicked
  QLineEdit* Text1_ = nullptr;                  // "Text1": the new texture's name
  TextureFitChoice* fit_ = nullptr;             // what the texture is made from
};

}  // namespace pixmora::windows
