// A picture the history keeps: in memory while it fits the history's budget,
// else in a file of the working folder (its colours, then its alpha when it
// has transparency), read back when a step needs it. The file is written on
// a thread of its own, so that the command whose step pushed an older
// picture out does not wait for the disk.
#pragma once
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/failure.h"
#include "core/picture.h"

namespace pixmora {

class StoredPicture : public std::enable_shared_from_this<StoredPicture> {
 public:
  explicit StoredPicture(Picture picture);
  ~StoredPicture();
  StoredPicture(const StoredPicture&) = delete;
  StoredPicture& operator=(const StoredPicture&) = delete;

  // In memory and not on its way to a file.
  bool InMemory() const;
  size_t Bytes() const { return bytes_; }
  // The picture, read back from its file when it was put there (null for a
  // surface without a picture).
  Result<Picture> Get();
  // Starts writing the picture to path; its memory is freed once the file is
  // whole. Fails, saying why, when an earlier attempt could not write its
  // file: the picture then stays in memory.
  Status MoveToFile(const std::string& path);
  // The picture it holds, to know it again, while that picture lives
  // somewhere (here, or in the session); null otherwise.
  const PixelBuffer* Identity() const;

  // Gives these shares up on the thread that writes the files: the last
  // share of a picture removes its file and frees its memory, tens of
  // milliseconds that the step being recorded would otherwise wait for.
  static void LetGoLater(std::vector<std::shared_ptr<StoredPicture>> shares);
  // Waits until every file being written is done (for the tests).
  static void FinishMoves();

 private:
  void WriteFile(const std::string& path);

  mutable std::mutex mutex_;
  Picture picture_;
  std::string file_;
  bool moving_ = false;
  Status moved_;  // how the last move to a file ended
  int width_ = 0, height_ = 0;
  bool alpha_ = false;
  size_t bytes_ = 0;
  std::weak_ptr<const PixelBuffer> identity_;
};

}  // namespace pixmora
