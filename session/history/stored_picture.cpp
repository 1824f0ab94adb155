#include "session/history/stored_picture.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <functional>
#include <thread>

#include "core/background_thread.h"

namespace pixmora {

namespace {

// A picture the history cannot read back from its file.
template <class Why>
Failure Unreadable(const std::string& file, Why why) {
  Failure failure = CannotRead(file, why);
  failure.role = "the history's picture";
  return failure;
}

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
    LowerThreadPriority();
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

// A piece at a time, each once the command or preparation that runs (if
// any) has ended: a picture's file would take the memory bandwidth and the
// core that the user's command needs.
bool WriteGivingWay(const void* data, size_t bytes, FILE* out) {
  constexpr size_t kPiece = size_t{8} << 20;
  const auto* at = static_cast<const char*>(data);
  for (size_t done = 0; done < bytes; done += kPiece) {
    WaitForForegroundWork(std::chrono::seconds(2));
    const size_t n = std::min(kPiece, bytes - done);
    if (std::fwrite(at + done, 1, n, out) != n) return false;
  }
  return true;
}

FileWriter& Writer() {
  static FileWriter writer;
  return writer;
}

}  // namespace

StoredPicture::StoredPicture(Picture picture)
    : picture_(std::move(picture)),
      width_(picture_ ? picture_->Width() : 0),
      height_(picture_ ? picture_->Height() : 0),
      alpha_(picture_ && picture_->GetAlpha()),
      bytes_(picture_ ? picture_->Count() * (sizeof(ColorRef) + (alpha_ ? 1 : 0)) : 0),
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

Result<Picture> StoredPicture::Get() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (picture_ || file_.empty()) return picture_;
  auto picture = std::make_shared<PixelBuffer>(width_, height_);
  auto alpha = alpha_ ? std::make_shared<AlphaPlane>(width_, height_) : nullptr;
  FILE* in = std::fopen(file_.c_str(), "rb");
  if (!in) return std::unexpected(Unreadable(file_, errno));
  const size_t count = picture->Count();
  const bool read = std::fread(picture->Data(), sizeof(ColorRef), count, in) == count &&
                    (!alpha || std::fread(alpha->Data(), 1, count, in) == count);
  const int code = std::ferror(in) ? errno : 0;
  std::fclose(in);
  if (!read) return std::unexpected(code ? Unreadable(file_, code) : Unreadable(file_, "it is cut short"));
  picture->SetAlpha(std::move(alpha));
  picture_ = std::move(picture);
  identity_ = picture_;
  std::remove(file_.c_str());
  file_.clear();
  return picture_;
}

Status StoredPicture::MoveToFile(const std::string& path) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!moved_ || !picture_ || moving_) return moved_;
    moving_ = true;
  }
  Writer().Post([self = shared_from_this(), path] { self->WriteFile(path); });
  return {};
}

void StoredPicture::WriteFile(const std::string& path) {
  Picture picture;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    picture = picture_;
  }
  errno = 0;
  FILE* out = std::fopen(path.c_str(), "wb");
  const size_t count = picture->Count();
  const Alpha& alpha = picture->GetAlpha();
  bool written = out && WriteGivingWay(picture->Data(), count * sizeof(ColorRef), out) &&
                 (!alpha || WriteGivingWay(alpha->Data(), count, out));
  if (out) written = std::fclose(out) == 0 && written;
  const int code = errno;
  if (!written) std::remove(path.c_str());
  std::lock_guard<std::mutex> lock(mutex_);
  moving_ = false;
  if (!written) {
    moved_ = std::unexpected(CannotWrite(path, code));
    return;
  }
  file_ = path;
  picture_.reset();
}

void StoredPicture::LetGoLater(std::vector<std::shared_ptr<StoredPicture>> shares) {
  // Let go inside the task: the task itself is destroyed with the writer's lock held.
  Writer().Post([shares = std::move(shares)]() mutable { shares.clear(); });
}

void StoredPicture::FinishMoves() { Writer().Finish(); }

}  // namespace pixmora
