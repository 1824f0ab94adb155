#include "windows/texture_library.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "core/numeric.h"

namespace pixmora::windows {

namespace {

bool IsBmpExtension(const std::string& extension) {
  return extension.size() == 4 && extension[0] == '.' &&
         std::equal(extension.begin() + 1, extension.end(), "bmp",
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

}  // namespace

double NumericValue(const std::string& text) {
  const size_t start = text.find_first_not_of(" \t");
  if (start == std::string::npos) return 0;
  const std::string rest = text.substr(start);
  const size_t digits = rest.find_first_not_of("+-0123456789.");
  const std::string number = rest.substr(0, digits);
  char* end = nullptr;
  const double value = std::strtod(number.c_str(), &end);
  return end == number.c_str() ? 0 : value;
}

TextureLibrary LoadTextureFolder(const std::string& folder) {
  TextureLibrary library{folder, {""}, 0, 0};
  std::vector<std::string> found;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file(error) && name.size() > 4 && IsBmpExtension(name.substr(name.size() - 4)))
      found.push_back(name);
  }
  std::sort(found.begin(), found.end());
  // A library beyond 16-bit counting lists what fits.
  if (found.size() > 32767) found.resize(32767);
  library.names.insert(library.names.end(), found.begin(), found.end());
  library.count = static_cast<int16_t>(found.size());
  if (!found.empty()) {
    int16_t last = 0;
    if (ToInt16(NumericValue(found.back().substr(0, 4)), last)) library.last = last;
  }
  return library;
}

std::string ListedFile(const TextureLibrary& library, const std::string& text) {
  for (const std::string& name : library.names)
    if (name.size() == text.size() + 4 && name.starts_with(text) && IsBmpExtension(name.substr(text.size())))
      return name;
  return {};
}

void ValidateTextureName(const TextureLibrary& library, const std::string& text,
                         int16_t& verdict) {
  if (!ListedFile(library, text).empty()) verdict = -1;
  // An accepted verdict stands, even one left by an earlier check whose save failed.
  if (verdict == -1) return;
  const double value = NumericValue(text.substr(0, 3));
  if (value <= 0) verdict = 0;
  if (value > library.last) verdict = -1;
}

int NextTextureNumber(const TextureLibrary& library) { return library.last < 999 ? library.last + 1 : 0; }

}  // namespace pixmora::windows
