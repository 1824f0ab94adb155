// Form2, the "Preview" window: one of the session's pictures in a
// PictureView (zoom, pan, aspect ratio kept), with the pixel under the pointer
// named below it. It opens on the screen of its owner, beside it where there
// is room, sized to the picture as far as two thirds of the screen allow.
// Esc closes it.
#pragma once
#include <QWidget>

#include "core/picture.h"

class QLabel;

namespace pixmora::windows {

class PictureView;

class Form2 : public QWidget {
  Q_OBJECT
 public:
  // A separate window, owned by owner.
  explicit Form2(QWidget* owner);

  // Shows picture, named by caption; before is what holding B shows instead
  // (null for nothing). The first time, the window is sized and placed for it.
  void ShowPicture(const Picture& picture, const QString& caption, const Picture& before,
                   const QString& beforeCaption);
  // "picture1", the view, for tests.
  PictureView* View() const { return picture1_; }

 private:
  void FitToScreen(const Picture& picture);

  PictureView* picture1_;
  QLabel* pointer_;  // the pixel under the pointer
  bool placed_ = false;
};

}  // namespace pixmora::windows
