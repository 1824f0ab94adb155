#include "session/config/shipped_data.h"

#include <unistd.h>

#include <filesystem>

#include "session/config/folders.h"

namespace pixmora {

namespace fs = std::filesystem;

namespace {

Status CopyIfMissing(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  if (fs::exists(to, ec)) return {};
  fs::path part = to;
  part += ".part" + std::to_string(getpid());
  if (fs::copy_file(from, part, fs::copy_options::overwrite_existing, ec)) {
    fs::rename(part, to, ec);
    if (!ec) return {};
  }
  const Failure failure = CannotWrite(to, ec.value());
  fs::remove(part, ec);
  return std::unexpected(failure);
}

Status MakeFolder(const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (!ec) return {};
  return std::unexpected(CannotMakeFolder(folder, ec.value()));
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

std::string SamplePhotograph(const std::string& shipped) {
  if (shipped.empty()) return "";
  return (fs::path(shipped).parent_path().parent_path() / "samples" / kSamplePhotograph).string();
}

Status AddMissingShippedData(const std::string& shipped, const std::string& data) {
  Status complete = MakeFolder(data);
  std::error_code ec;
  for (fs::recursive_directory_iterator it(shipped, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path target = fs::path(data) / fs::relative(it->path(), shipped);
    const Status added = it->is_directory() ? MakeFolder(target) : CopyIfMissing(it->path(), target);
    // The first failure is told; the rest is copied all the same.
    if (complete && !added) complete = added;
  }
  if (complete && ec) return std::unexpected(CannotRead(shipped, ec.value()));
  return complete;
}

}  // namespace pixmora
