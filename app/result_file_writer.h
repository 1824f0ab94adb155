// Keeps each result as "ps.bmp" once it is shown: the file is written on a
// thread of its own, so the result reaches the screen without waiting for
// the disk. Only the newest result not yet written waits its turn; one that a
// newer result replaced before its turn is never written. The write waits
// until the window has shown the result and its display threads are idle
// (at most two seconds): on a machine with few cores, writing 72 MB of a
// 24 MP result beside them made the preview settle 100-200 ms later.
#pragma once
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "core/picture.h"
#include "session/workspace.h"

namespace pixmora::app {

class ResultFileWriter {
 public:
  // report says why a write failed, from the writer's thread; displayBusy
  // whether the window still makes what it shows (called from that thread).
  ResultFileWriter(std::function<void(const std::string&)> report, std::function<bool()> displayBusy);
  // Writes what waits, then ends.
  ~ResultFileWriter();
  ResultFileWriter(const ResultFileWriter&) = delete;
  ResultFileWriter& operator=(const ResultFileWriter&) = delete;

  void Keep(const Folders& folders, const Picture& result);
  // The window has put the latest result on the screen.
  void Shown();

 private:
  void Run();

  std::function<void(const std::string&)> report_;
  std::function<bool()> displayBusy_;
  std::mutex mutex_;
  std::condition_variable changed_;
  Folders folders_;
  Picture waiting_;
  bool shown_ = false;
  bool ending_ = false;
  std::thread thread_;
};

}  // namespace pixmora::app
