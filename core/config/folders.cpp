#include "core/config/folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "core/config/shipped_data.h"

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

std::string GetProgramFolder() {
  std::vector<char> buffer(4096);
  const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return "./";
  const std::string exe(buffer.data(), static_cast<size_t>(n));
  return exe.substr(0, exe.rfind('/') + 1);
}

bool IsFolder(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
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
  f.program = GetProgramFolder();
  // An installed program brings the user what is missing of its default data.
  const std::string shipped = ShippedDataFolder(f.program);
  if (!base.empty() && !shipped.empty()) AddMissingShippedData(shipped, f.data);
  return f;
}

}  // namespace pixmora
