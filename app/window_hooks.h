// The window's side of an operation's frame: the busy label and the progress
// bar. The routines call these from the thread that runs them; the widgets
// are changed on the window's thread.
#pragma once
#include <QObject>

#include "core/call_context.h"

class QLabel;
class QProgressBar;

namespace pixmora::app {

class WindowFrameHooks : public QObject, public FrameHooks {
  Q_OBJECT
 public:
  WindowFrameHooks(QLabel* busyLabel, QProgressBar* bar, QObject* parent = nullptr);

  void SetBusyMark(bool visible) override;
  void SetProgressRange(double min, double max) override;
  void SetProgressValue(double value) override;

 private:
  QLabel* busyLabel_;
  QProgressBar* bar_;
  // The bar moves in about 200 steps, whatever the picture's width.
  int stride_ = 1;
  int lastShown_ = 0;
};

}  // namespace pixmora::app
