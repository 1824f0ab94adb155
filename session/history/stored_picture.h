// A picture the history keeps: in memory while it fits the history's budget,
// else in a file of the working folder, read back when a step needs it.
#pragma once
#include <memory>
#include <string>

#include "core/picture.h"

namespace pixmora {

class StoredPicture {
 public:
  explicit StoredPicture(Picture picture);
  ~StoredPicture();
  StoredPicture(const StoredPicture&) = delete;
  StoredPicture& operator=(const StoredPicture&) = delete;

  bool InMemory() const { return picture_ != nullptr; }
  size_t Bytes() const { return bytes_; }
  // The picture, read back from its file when it was put there; null when
  // that file cannot be read.
  Picture Get();
  // Writes the picture to path and frees its memory; false (nothing
  // changed) when the file cannot be written.
  bool MoveToFile(const std::string& path);
  // The picture it holds, to know it again, while that picture lives
  // somewhere (here, or in the session); null otherwise.
  const PixelBuffer* Identity() const { return identity_.lock().get(); }

 private:
  Picture picture_;
  std::string file_;
  int width_ = 0, height_ = 0;
  size_t bytes_ = 0;
  std::weak_ptr<const PixelBuffer> identity_;
};

}  // namespace pixmora
