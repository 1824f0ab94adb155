// The batch tool never writes over what it reads. An output is refused when
// it is the same file as a picture the run opens or its recipe, however it
// is spelled: another path, a symbolic link or a hard link to it. With
// --overwrite a result may replace the picture it is made from (its image
// A), once it is complete; a file the run still reads never.
#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/failure.h"

namespace pixmora::cli {

// A file the run reads, how the user knows it ("image B"), and whether it is
// a picture a result is made from (which --overwrite lets the result replace).
struct FileRead {
  std::string role;
  std::string path;
  bool startsARun = false;
};

class FilesReadGuard {
 public:
  // Each file is looked up once, however many outputs are checked.
  explicit FilesReadGuard(std::vector<FileRead> reads);

  // Refuses (a usage error naming both) an output that is one of the files
  // read; with overwrite, one that is imageA itself (a picture that starts a
  // run) by its own name or a symbolic link (not a hard link) is let through.
  Status Check(const std::string& output, bool overwrite, const std::string& imageA) const;

 private:
  std::vector<FileRead> reads_;
  std::multimap<std::pair<dev_t, ino_t>, size_t> byFile_;
};

// Where an output is written: the file a symbolic link leads to, so that the
// link stays a link; the output itself otherwise.
std::string WrittenPath(const std::string& output);

}  // namespace pixmora::cli
