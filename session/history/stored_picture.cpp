#include "session/history/stored_picture.h"

#include <condition_variable>
#include <cstdio>
#include <deque>
#include <functional>
#include <thread>

namespace pixmora {

namespace {

// One thread writes the history's files, in the order they were asked for.
class FileWriter {
 public:
  FileWriter() : thread_([this] { Run(); }) {}
  ~FileWriter() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
  }
  void Post(std::function<void()> task) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      tasks_.push_back(std::move(task));
    }
    changed_.notify_all();
  }
  void Finish() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return tasks_.empty() && !busy_; });
  }

 private:
  void Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      changed_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
      if (tasks_.empty()) return;
      std::function<void()> task = std::move(tasks_.front());
      tasks_.pop_front();
      busy_ = true;
      lock.unlock();
      task();
      lock.lock();
      busy_ = false;
      changed_.notify_all();
    }
  }

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::function<void()>> tasks_;
  bool busy_ = false, stopping_ = false;
  std::thread thread_;
};

FileWriter& Writer() {
  static FileWriter writer;
  return writer;
}

}  // namespace

StoredPicture::StoredPicture(Picture picture)
    : picture_(std::move(picture)),
      width_(picture_ ? picture_->Width() : 0),
      height_(picture_ ? picture_->Height() : 0),
      bytes_(picture_ ? picture_->Count() * sizeof(ColorRef) : 0),
      identity_(picture_) {}

StoredPicture::~StoredPicture() {
  if (!file_.empty()) std::remove(file_.c_str());
}

bool StoredPicture::InMemory() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return picture_ && !moving_;
}

const PixelBuffer* StoredPicture::Identity() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return identity_.lock().get();
}

Picture StoredPicture::Get() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (picture_ || file_.empty()) return picture_;
  auto picture = std::make_shared<PixelBuffer>(width_, height_);
  FILE* in = std::fopen(file_.c_str(), "rb");
  const bool read = in && std::fread(picture->Data(), sizeof(ColorRef), picture->Count(), in) == picture->Count();
  if (in) std::fclose(in);
  if (!read) return nullptr;
  picture_ = std::move(picture);
  identity_ = picture_;
  std::remove(file_.c_str());
  file_.clear();
  return picture_;
}

bool StoredPicture::MoveToFile(const std::string& path) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (moveFailed_) return false;
    if (!picture_ || moving_) return true;
    moving_ = true;
  }
  Writer().Post([self = shared_from_this(), path] { self->WriteFile(path); });
  return true;
}

void StoredPicture::WriteFile(const std::string& path) {
  Picture picture;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    picture = picture_;
  }
  FILE* out = std::fopen(path.c_str(), "wb");
  bool written = out && std::fwrite(picture->Data(), sizeof(ColorRef), picture->Count(), out) ==
                            picture->Count();
  if (out) written = std::fclose(out) == 0 && written;
  if (!written) std::remove(path.c_str());
  std::lock_guard<std::mutex> lock(mutex_);
  moving_ = false;
  moveFailed_ = !written;
  if (!written) return;
  file_ = path;
  picture_.reset();
}

void StoredPicture::FinishMoves() { Writer().Finish(); }

}  // namespace pixmora
