#include "session/config/shipped_data.h"

#include <unistd.h>

#include <filesystem>

#include "session/config/folders.h"

namespace pixmora {

namespace fs = std::filesystem;

namespace {

bool CopyIfMissing(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  if (fs::exists(to, ec)) return true;
  fs::path part = to;
  part += ".part" + std::to_string(getpid());
  if (fs::copy_file(from, part, fs::copy_options::overwrite_existing, ec)) {
    fs::rename(part, to, ec);
    if (!ec) return true;
  }
  fs::remove(part, ec);
  return false;
}

}  // namespace

std::string ShippedDataFolder(const std::string& programFolder) {
  // An installation keeps it under share/ beside its bin folder; the build
  // tree paints it into share/ beside its programs.
  for (const std::string& folder : {programFolder + PIXMORA_SHIPPED_DATA_FROM_PROGRAM + "/",
                                    programFolder + "share/" + kDataFolderName + "/"})
    if (IsFolder(folder)) return folder;
  return "";
}

bool AddMissingShippedData(const std::string& shipped, const std::string& data) {
  std::error_code ec;
  fs::create_directories(data, ec);
  bool complete = !ec;
  for (fs::recursive_directory_iterator it(shipped, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path target = fs::path(data) / fs::relative(it->path(), shipped);
    std::error_code made;
    if (it->is_directory())
      fs::create_directories(target, made);
    else
      complete = CopyIfMissing(it->path(), target) && complete;
    complete = complete && !made;
  }
  return complete && !ec;
}

}  // namespace pixmora
