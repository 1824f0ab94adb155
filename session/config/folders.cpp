#include "session/config/folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "core/paths_and_text.h"
#include "session/config/shipped_data.h"
#include "session/config/working_folder.h"

namespace pixmora {

namespace {

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

std::string WithSlash(std::string path) {
  if (!path.empty() && path.back() != '/') path += '/';
  return path;
}

}  // namespace

std::string GetSpecialFolderPath() {
  std::string base = Env("XDG_DATA_HOME");
  if (base.empty() && !Env("HOME").empty()) base = Env("HOME") + "/.local/share";
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  return base;
}

std::string GetTempFolder() {
  const std::string tmp = Env("TMPDIR");
  return WithSlash(tmp.empty() ? "/tmp" : tmp);
}

Status EnsureTempDataFolder(const std::string& tempDataFolder) {
  if (IsFolder(tempDataFolder)) return {};
  if (mkdir(tempDataFolder.c_str(), 0700) == 0 && chmod(tempDataFolder.c_str(), 01777) == 0) return {};
  return std::unexpected(CannotMakeFolder(tempDataFolder, errno));
}

Folders FindFolders(Program program) {
  Folders f;
  f.temp = GetTempFolder() + kDataFolderName + "/";
  const std::string base = GetSpecialFolderPath();
  f.data = base + "/" + kDataFolderName + "/";
  f.program = ProgramFolder();
  f.shipped = ShippedDataFolder(f.program);
  if (program == Program::Editor) {
    EnsureTempDataFolder(f.temp);
    if (!base.empty() && !f.shipped.empty()) AddMissingShippedData(f.shipped, f.data);
  }
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  f.work = ProcessWorkingFolder({f.temp, runtime ? runtime : "", GetTempFolder()});
  return f;
}

}  // namespace pixmora
