#include "cli/output_guard.h"

#include <sys/stat.h>

#include <filesystem>

namespace pixmora::cli {

namespace fs = std::filesystem;

FilesReadGuard::FilesReadGuard(std::vector<FileRead> reads) : reads_(std::move(reads)) {
  for (size_t i = 0; i < reads_.size(); ++i) {
    struct stat in;
    if (stat(reads_[i].path.c_str(), &in) == 0) byFile_.emplace(std::pair(in.st_dev, in.st_ino), i);
  }
}

Status FilesReadGuard::Check(const std::string& output, bool overwrite, const std::string& imageA) const {
  struct stat out;
  // An output that does not exist yet is none of the files read.
  if (stat(output.c_str(), &out) != 0) return {};
  const auto [first, last] = byFile_.equal_range(std::pair(out.st_dev, out.st_ino));
  for (auto it = first; it != last; ++it) {
    const FileRead& read = reads_[it->second];
    const std::string what = "the output " + output + " is " + read.role + " " + read.path;
    if (!read.startsARun || read.path != imageA) return UsageError(what + ", which the run reads: choose another name");
    // The result may replace its image A through its own name, however
    // spelled, or a symbolic link; through a hard link the old picture would
    // stay under the other name.
    std::error_code ec;
    if (fs::canonical(output, ec) != fs::canonical(read.path, ec))
      return UsageError(what + " by a hard link: writing it would keep the old picture under the other name");
    if (!overwrite) return UsageError(what + ": choose another name, or give --overwrite to replace it");
  }
  return {};
}

std::string WrittenPath(const std::string& output) {
  std::error_code ec;
  if (!fs::is_symlink(output, ec)) return output;
  const fs::path target = fs::canonical(output, ec);
  return ec ? output : target.string();
}

}  // namespace pixmora::cli
