#include "session/config/configuration.h"

#include "session/captions/window_captions.h"
#include "session/config/free_format.h"

namespace pixmora {

Result<std::string> ReadLanguageName(const std::string& path) {
  Result<std::string> text = ReadTextFile(path);
  if (!text) return text;
  FreeFormatReader in(std::move(*text));
  std::string unused, language;
  bool read = true;
  for (int i = 0; i < 5; ++i) read = read && in.NextText(unused);
  int16_t unusedNumber;
  if (!read || !in.NextText(language) || !in.NextInt16(unusedNumber))
    return std::unexpected(CannotRead(path, "it does not hold the seven values of a configuration"));
  return language;
}

Status LoadConfiguration(const Folders& folders, CaptionTarget& target) {
  SetWindowLanguage({});  // English, unless the configuration names another
  const Result<std::string> language = ReadLanguageName(folders.data + kConfigurationFile);
  if (!language) return std::unexpected(language.error());
  const std::string shippedSupport = folders.shipped.empty() ? "" : folders.shipped + "supporto/";
  SetWindowLanguage(ReadWindowCaptions(shippedSupport, folders.Support(), *language));
  const Result<std::vector<std::string>> entries =
      ReadLanguageFile(folders.Support() + *language + kLanguageExtension);
  if (!entries) return std::unexpected(entries.error());
  ApplyLanguage(*entries, target);
  return {};
}

}  // namespace pixmora
