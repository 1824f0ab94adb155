// Runs one job at a time away from the window's thread, so that the window
// keeps answering (painting its busy label and progress bar, taking Esc)
// while a command computes or a file is read or written.
#pragma once
#include <QFutureWatcher>
#include <QList>
#include <QObject>
#include <QThreadPool>
#include <functional>
#include <memory>

#include "core/cancel_token.h"

namespace pixmora::app {

class CommandRunner : public QObject {
  Q_OBJECT
 public:
  struct Job {
    // On a worker thread, inside the job's CancelScope; given the job's token.
    std::function<void(const CancelToken&)> work;
    // On the window's thread once the job has ended: why it failed (empty
    // when it did not) and whether it was cancelled.
    std::function<void(const QString& failure, bool cancelled)> done;
    bool cancellable = false;
    // Cancelled, the job is left to end alone and the runner is free at once:
    // for work that holds its own copies and whose output a cancel discards
    // (a file being written, which then never replaces the old one).
    bool leaveOnCancel = false;
  };

  explicit CommandRunner(QObject* parent = nullptr);
  ~CommandRunner() override;

  // False when a job is already running.
  bool Start(Job job);
  bool Busy() const { return watcher_ != nullptr; }
  bool Cancellable() const { return Busy() && job_.cancellable; }
  // A job whose cancel would leave it to end alone: a file being written.
  bool Writing() const { return Busy() && job_.leaveOnCancel; }
  // Asks the running job to stop (see Job); nothing when it cannot be cancelled.
  void Cancel();
  // Blocks until the running job, and any left to end alone, have ended.
  void Wait();

 signals:
  void busyChanged(bool busy);

 private:
  void Finish(const QString& failure);

  QThreadPool pool_;
  Job job_;
  std::shared_ptr<CancelToken> token_;
  QFutureWatcher<QString>* watcher_ = nullptr;
  QList<QFuture<QString>> leftAlone_;
};

}  // namespace pixmora::app
