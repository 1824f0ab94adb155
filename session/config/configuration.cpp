#include "session/config/configuration.h"

#include "session/captions/window_captions.h"
#include "session/config/free_format.h"

namespace pixmora {

bool ReadLanguageName(const std::string& path, std::string& language) {
  std::string text;
  if (!ReadTextFile(path, text)) return false;
  FreeFormatReader in(text);
  std::string unused;
  for (int i = 0; i < 5; ++i)
    if (!in.NextText(unused)) return false;
  int16_t unusedNumber;
  return in.NextText(language) && in.NextInt16(unusedNumber);
}

bool LoadConfiguration(const Folders& folders, CaptionTarget& target) {
  std::string language;
  SetWindowLanguage({});  // English, unless the configuration names another
  if (!ReadLanguageName(folders.data + kConfigurationFile, language)) return false;
  const std::string shippedSupport = folders.shipped.empty() ? "" : folders.shipped + "supporto/";
  SetWindowLanguage(ReadWindowCaptions(shippedSupport, folders.Support(), language));
  std::vector<std::string> entries;
  if (!ReadLanguageFile(folders.Support() + language + kLanguageExtension, entries)) return false;
  ApplyLanguage(entries, target);
  return true;
}

}  // namespace pixmora
