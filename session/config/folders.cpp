#include "session/config/folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "core/paths_and_text.h"
#include "session/config/shipped_data.h"

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

bool EnsureTempDataFolder(const std::string& tempDataFolder) {
  return IsFolder(tempDataFolder) || mkdir(tempDataFolder.c_str(), 0700) == 0;
}

Folders FindFolders() {
  Folders f;
  f.temp = GetTempFolder() + kDataFolderName + "/";
  EnsureTempDataFolder(f.temp);
  const std::string base = GetSpecialFolderPath();
  f.data = base + "/" + kDataFolderName + "/";
  f.program = ProgramFolder();
  // An installed program brings the user what is missing of its default data.
  const std::string shipped = ShippedDataFolder(f.program);
  if (!base.empty() && !shipped.empty()) AddMissingShippedData(shipped, f.data);
  return f;
}

}  // namespace pixmora
