#include "app/result_file_writer.h"

#include "session/publish_result.h"

namespace pixmora::app {

ResultFileWriter::ResultFileWriter(std::function<void(const std::string&)> report)
    : report_(std::move(report)), thread_([this] { Run(); }) {}

ResultFileWriter::~ResultFileWriter() {
  {
    const std::lock_guard lock(mutex_);
    ending_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void ResultFileWriter::Keep(const Folders& folders, const Picture& result) {
  {
    const std::lock_guard lock(mutex_);
    folders_ = folders;
    waiting_ = result;
  }
  changed_.notify_all();
}

void ResultFileWriter::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return waiting_ || ending_; });
    if (!waiting_) return;
    const Picture result = std::move(waiting_);
    const Folders folders = folders_;
    waiting_ = nullptr;
    lock.unlock();
    KeepResultFile(folders, result, report_);
    lock.lock();
  }
}

}  // namespace pixmora::app
