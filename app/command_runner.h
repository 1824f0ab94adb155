// Runs one command at a time away from the window's thread, so that the
// window keeps painting its busy label and progress bar on large pictures.
#pragma once
#include <QFutureWatcher>
#include <QObject>
#include <functional>

namespace pixmora::app {

class CommandRunner : public QObject {
  Q_OBJECT
 public:
  explicit CommandRunner(QObject* parent = nullptr);
  ~CommandRunner() override;

  // Starts job on a worker thread; done runs on the window's thread when it
  // has ended, with the reason when the job failed (empty otherwise). False
  // when a command is already running.
  bool Start(std::function<void()> job, std::function<void(const QString& failure)> done);
  bool Busy() const { return busy_; }
  // Blocks until the running command has ended.
  void Wait();

 signals:
  void busyChanged(bool busy);

 private:
  void Finish();

  QFutureWatcher<QString> watcher_;
  std::function<void(const QString&)> done_;
  bool busy_ = false;
};

}  // namespace pixmora::app
