#include "app/command_runner.h"

#include <QtConcurrent/QtConcurrentRun>
#include <exception>

namespace pixmora::app {

namespace {
// One job runs at a time, but a cancelled write may still be finishing.
constexpr int kThreads = 4;
}  // namespace

CommandRunner::CommandRunner(QObject* parent) : QObject(parent) { pool_.setMaxThreadCount(kThreads); }

CommandRunner::~CommandRunner() { Wait(); }

bool CommandRunner::Start(Job job) {
  if (Busy()) return false;
  leftAlone_.removeIf([](const QFuture<QString>& future) { return future.isFinished(); });
  job_ = std::move(job);
  token_ = std::make_shared<CancelToken>();
  watcher_ = new QFutureWatcher<QString>(this);
  QFutureWatcher<QString>* watcher = watcher_;
  connect(watcher, &QFutureWatcher<QString>::finished, this, [this, watcher] {
    watcher->deleteLater();
    if (watcher == watcher_) Finish(watcher->result());
  });
  emit busyChanged(true);
  watcher->setFuture(QtConcurrent::run(&pool_, [work = job_.work, token = token_]() -> QString {
    CancelScope scope(*token);
    try {
      work(*token);
      return {};
    } catch (const std::bad_alloc&) {
      return QStringLiteral("not enough memory for this picture");
    } catch (const std::exception& e) {
      return QString::fromStdString(e.what());
    }
  }));
  return true;
}

void CommandRunner::Cancel() {
  if (!Cancellable()) return;
  token_->Cancel();
  if (!job_.leaveOnCancel) return;
  leftAlone_.append(watcher_->future());
  Finish(QString());
}

void CommandRunner::Wait() {
  if (watcher_) watcher_->waitForFinished();
  for (QFuture<QString>& future : leftAlone_) future.waitForFinished();
  leftAlone_.clear();
}

void CommandRunner::Finish(const QString& failure) {
  const bool cancelled = token_->Cancelled();
  watcher_ = nullptr;
  auto done = std::move(job_.done);
  job_ = {};
  if (done) done(failure, cancelled);
  emit busyChanged(false);
}

}  // namespace pixmora::app
