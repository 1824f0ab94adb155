#include "session/config/configuration.h"

#include <algorithm>
#include <filesystem>

#include "imageio/atomic_file.h"
#include "session/captions/design_captions.h"
#include "session/captions/window_captions.h"
#include "session/config/free_format.h"

namespace pixmora {

namespace {

// The seven values of a configuration: five texts, the language, a number.
struct Configuration {
  std::string texts[5];
  std::string language;
  int16_t number = 0;
};

Result<Configuration> ReadConfiguration(const std::string& path) {
  Result<std::string> text = ReadTextFile(path);
  if (!text) return std::unexpected(text.error());
  FreeFormatReader in(std::move(*text));
  Configuration c;
  bool read = true;
  for (std::string& value : c.texts) read = read && in.NextText(value);
  if (!read || !in.NextText(c.language) || !in.NextInt16(c.number))
    return std::unexpected(CannotRead(path, "it does not hold the seven values of a configuration"));
  return c;
}

}  // namespace

Result<std::string> ReadLanguageName(const std::string& path) {
  const Result<Configuration> configuration = ReadConfiguration(path);
  if (!configuration) return std::unexpected(configuration.error());
  return configuration->language;
}

Status LoadConfiguration(const Folders& folders, CaptionTarget& target) {
  SetWindowLanguage({});  // English, unless the configuration names another
  const Result<std::string> language = ReadLanguageName(folders.data + kConfigurationFile);
  if (!language) return std::unexpected(language.error());
  return UseLanguage(folders, *language, target);
}

std::vector<std::string> LanguageNames(const Folders& folders) {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(folders.Support(), ec))
    // A name with a quote could not be written into the configuration.
    if (const std::string name = entry.path().stem().string();
        entry.path().extension() == kLanguageExtension && name.find('"') == std::string::npos)
      names.push_back(name);
  std::sort(names.begin(), names.end());
  return names;
}

Status UseLanguage(const Folders& folders, const std::string& language, CaptionTarget& target) {
  const Result<std::vector<std::string>> entries =
      ReadLanguageFile(folders.Support() + language + kLanguageExtension);
  if (!entries) return std::unexpected(entries.error());
  const std::string shippedSupport = folders.shipped.empty() ? "" : folders.shipped + "supporto/";
  SetWindowLanguage(ReadWindowCaptions(shippedSupport, folders.Support(), language));
  // A language chosen after another: what its file lacks shows as designed.
  for (const CaptionRule& rule : CaptionRules()) target.SetCaption(rule.control, DesignCaptionOf(rule.control));
  ApplyLanguage(*entries, target);
  return {};
}

Status WriteLanguageName(const std::string& path, const std::string& language) {
  Configuration c = ReadConfiguration(path).value_or(Configuration{{"Pixmora", "1"}, "", 0});
  c.language = language;
  std::string text;
  for (const std::string& value : c.texts) text += "\"" + value + "\", ";
  return WriteTextFile(path, text + "\"" + language + "\", " + std::to_string(c.number) + "\n");
}

}  // namespace pixmora
