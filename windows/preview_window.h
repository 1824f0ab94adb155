// Form2, the "Preview" window: shows one picture file stretched over its
// whole inner area, reloading the file on every resize; closing the window
// deletes the file.
#pragma once
#include <QWidget>
#include <string>

class QLabel;

namespace pixmora::windows {

class Form2 : public QWidget {
  Q_OBJECT
 public:
  // A separate window, owned by owner.
  Form2(const std::string& file, QWidget* owner);
  // What picture1 shows, for tests.
  QLabel* Picture() const { return picture1_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  std::string file_;  // the preview file, "passo$$$.bmp"
  QLabel* picture1_;  // "picture1": the picture, over the whole inner area
};

}  // namespace pixmora::windows
