#include "app/result_file_writer.h"

#include <chrono>

#include "core/background_thread.h"
#include "session/publish_result.h"

namespace pixmora::app {

ResultFileWriter::ResultFileWriter(std::function<void(const std::string&)> report,
                                   std::function<bool()> displayBusy)
    : report_(std::move(report)), displayBusy_(std::move(displayBusy)), thread_([this] { Run(); }) {}

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
    shown_ = false;
  }
  changed_.notify_all();
}

void ResultFileWriter::Shown() {
  {
    const std::lock_guard lock(mutex_);
    shown_ = true;
  }
  changed_.notify_all();
}

void ResultFileWriter::Run() {
  LowerThreadPriority();
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return waiting_ || ending_; });
    if (!waiting_) return;
    const auto latest = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!ending_ && (!shown_ || displayBusy_()) && std::chrono::steady_clock::now() < latest)
      changed_.wait_for(lock, std::chrono::milliseconds(5));
    const Picture result = std::move(waiting_);
    const Folders folders = folders_;
    waiting_ = nullptr;
    lock.unlock();
    WaitForForegroundWork(std::chrono::seconds(2));
    KeepResultFile(folders, result, report_);
    lock.lock();
  }
}

}  // namespace pixmora::app
