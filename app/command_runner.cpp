#include "app/command_runner.h"

#include <QtConcurrent/QtConcurrentRun>
#include <exception>

namespace pixmora::app {

CommandRunner::CommandRunner(QObject* parent) : QObject(parent) {
  connect(&watcher_, &QFutureWatcher<QString>::finished, this, &CommandRunner::Finish);
}

CommandRunner::~CommandRunner() { Wait(); }

bool CommandRunner::Start(std::function<void()> job,
                          std::function<void(const QString&)> done) {
  if (busy_) return false;
  busy_ = true;
  done_ = std::move(done);
  emit busyChanged(true);
  watcher_.setFuture(QtConcurrent::run([job = std::move(job)]() -> QString {
    try {
      job();
      return {};
    } catch (const std::bad_alloc&) {
      return QStringLiteral("not enough memory for this picture");
    } catch (const std::exception& e) {
      return QString::fromStdString(e.what());
    }
  }));
  return true;
}

void CommandRunner::Wait() { watcher_.waitForFinished(); }

void CommandRunner::Finish() {
  const QString failure = watcher_.result();
  busy_ = false;
  auto done = std::move(done_);
  done_ = nullptr;
  if (done) done(failure);
  emit busyChanged(false);
}

}  // namespace pixmora::app
