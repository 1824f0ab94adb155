#include "session/config/colour_scheme.h"

#include <filesystem>

#include "imageio/atomic_file.h"
#include "session/config/free_format.h"

namespace pixmora {

namespace {

// Three reads: three numbers not used, the two colours, one number not used.
bool ReadScheme(const std::string& path, ColourScheme& scheme) {
  const Result<std::string> text = ReadTextFile(path);
  if (!text) return false;
  FreeFormatReader in(*text);
  int16_t unused16;
  int32_t back, fore;
  for (int i = 0; i < 3; ++i)
    if (!in.NextInt16(unused16)) return false;
  if (!in.NextInt32(back) || !in.NextInt32(fore)) return false;
  scheme.back = static_cast<ColorRef>(back);
  scheme.fore = static_cast<ColorRef>(fore);
  return true;
}

}  // namespace

ColourScheme LoadColourScheme(const Folders& folders) {
  namespace fs = std::filesystem;
  const std::string own = folders.data + kColourSchemeFile;
  const std::string shipped = folders.Support() + kColourSchemeFile;
  std::error_code ec;
  const bool haveOwn = fs::exists(own, ec);
  ColourScheme scheme;
  if (!ReadScheme(haveOwn ? own : shipped, scheme)) scheme = ColourScheme{};
  if (!haveOwn && fs::exists(shipped, ec)) fs::copy_file(shipped, own, ec);
  return scheme;
}

ColourScheme ReadColourScheme(const Folders& folders) {
  ColourScheme scheme;
  for (const std::string& path :
       {folders.data + kColourSchemeFile, folders.Support() + kColourSchemeFile,
        folders.shipped.empty() ? "" : folders.shipped + "supporto/" + kColourSchemeFile})
    if (!path.empty() && ReadScheme(path, scheme)) return scheme;
  return ColourScheme{};
}

Status WriteColourScheme(const std::string& path, const ColourScheme& scheme) {
  return WriteTextFile(path, "0, 0, 0\n" + std::to_string(scheme.back) + ", " + std::to_string(scheme.fore) + "\n0\n");
}

}  // namespace pixmora
