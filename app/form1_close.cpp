// Closing Form1 (File > Exit, Ctrl+Q, the window's close button): a job under
// way ends first, a result never saved is not dropped without asking, and
// the window's size, place and values are kept for the next run.
#include <QCloseEvent>

#include "app/form1.h"
#include "app/save_commands.h"
#include "app/user_settings.h"
#include "windows/translate.h"

namespace pixmora::app {

bool Form1::ResultUnsaved() const {
  const Picture& latest = ws_.imma.GetPicture();
  return latest && latest->Count() > 0 && latest != savedResult_.lock();
}

bool Form1::MayClose() {
  if (!ResultUnsaved()) return true;
  const QMessageBox::StandardButton answer =
      askQuestion_(this, windowTitle(),
                   windows::Tr("The last result was never saved. Save it before closing?"),
                   QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
  if (answer == QMessageBox::Discard) return true;
  // Queued: the window closes after the save's own ending.
  if (answer == QMessageBox::Save)
    SaveResult(*this, [this] { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); });
  return false;
}

void Form1::closeEvent(QCloseEvent* event) {
  // A running job ends first: a command writes into the session (and leaves
  // a result to ask about). A file being read is not worth the wait; one
  // being written is. The window closes, or asks, once the job has ended.
  if (Busy()) {
    if (!runner_.Writing()) runner_.Cancel();
    closeWhenIdle_ = true;
    event->ignore();
    return;
  }
  EndLiveBurst();
  if (!MayClose()) {
    event->ignore();
    return;
  }
  SaveWindowGeometry(saveGeometry());
  KeepValues();
  QMainWindow::closeEvent(event);
}

}  // namespace pixmora::app
