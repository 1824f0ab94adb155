#include "windows/preview_window.h"

#include <QLabel>
#include <QPixmap>
#include <filesystem>

namespace pixmora::windows {

Form2::Form2(const std::string& file, QWidget* owner)
    : QWidget(owner, Qt::Window), file_(file), picture1_(new QLabel(this)) {
  setObjectName("Form2");
  // Closing unloads the window; the next click makes a new one.
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Preview"));
  picture1_->setObjectName("picture1");
  picture1_->setScaledContents(true);
  resize(400, 300);
}

void Form2::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  picture1_->setGeometry(0, 0, width(), height());
  // A missing or unreadable file leaves the picture as it was.
  QPixmap picture;
  if (picture.load(QString::fromStdString(file_))) picture1_->setPixmap(picture);
}

void Form2::closeEvent(QCloseEvent* event) {
  std::error_code ignored;
  std::filesystem::remove(file_, ignored);
  QWidget::closeEvent(event);
}

}  // namespace pixmora::windows
