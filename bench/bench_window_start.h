// How the window benchmarks start the editor: on the platform asked for,
// with a scratch data folder (so that the user's ps.bmp and history are left
// alone), the main window loaded and shown maximized.
#pragma once
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "app/form1.h"

namespace pixmora::bench {

class BenchWindow {
 public:
  // platform: the one to use, or null for QT_QPA_PLATFORM's, offscreen when unset.
  BenchWindow(int& argc, char** argv, const char* platform) {
    if (platform) qputenv("QT_QPA_PLATFORM", platform);
    else if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_DATA_HOME", home_.path().toUtf8());
    QDir(home_.path()).mkdir("VARDELO24");
    application_ = std::make_unique<QApplication>(argc, argv);
    window_ = std::make_unique<app::Form1>();
    window_->Form_Load();
    window_->showMaximized();
  }
  app::Form1& Window() { return *window_; }

 private:
  QTemporaryDir home_;
  std::unique_ptr<QApplication> application_;
  std::unique_ptr<app::Form1> window_;  // goes before the application
};

}  // namespace pixmora::bench
