// Keeps each result as "ps.bmp" once it is shown: the file is written on a
// thread of its own, so the result reaches the screen without waiting for
// the disk. Only the newest result not yet written waits its turn; one that a
// newer result replaced before its turn is never written.
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
  // report says why a write failed, from the writer's thread.
  explicit ResultFileWriter(std::function<void(const std::string&)> report);
  // Writes what waits, then ends.
  ~ResultFileWriter();
  ResultFileWriter(const ResultFileWriter&) = delete;
  ResultFileWriter& operator=(const ResultFileWriter&) = delete;

  void Keep(const Folders& folders, const Picture& result);

 private:
  void Run();

  std::function<void(const std::string&)> report_;
  std::mutex mutex_;
  std::condition_variable changed_;
  Folders folders_;
  Picture waiting_;
  bool ending_ = false;
  std::thread thread_;
};

}  // namespace pixmora::app
