#include "session/captions/window_captions.h"

#include <atomic>

#include "session/config/free_format.h"

namespace pixmora {

namespace {

std::atomic<std::shared_ptr<const CaptionTranslations>>& Current() {
  static std::atomic<std::shared_ptr<const CaptionTranslations>> current{
      std::make_shared<const CaptionTranslations>()};
  return current;
}

}  // namespace

CaptionTranslations CaptionTranslations::Read(const std::string& path) {
  const Result<std::string> text = ReadTextFile(path);
  return text ? FromText(*text) : CaptionTranslations{};
}

CaptionTranslations CaptionTranslations::FromText(const std::string& text) {
  CaptionTranslations translations;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t tab = line.find('\t');
    if (line.empty() || line[0] == '#' || tab == std::string::npos || tab == 0) continue;
    translations.table_[line.substr(0, tab)] = line.substr(tab + 1);
  }
  return translations;
}

std::string CaptionTranslations::Of(const std::string& english) const {
  const auto it = table_.find(english);
  return it == table_.end() ? english : it->second;
}

void CaptionTranslations::Overlay(const CaptionTranslations& other) {
  for (const auto& [english, translation] : other.table_) table_[english] = translation;
}

CaptionTranslations ReadWindowCaptions(const std::string& shippedSupport, const std::string& support,
                                       const std::string& language) {
  const std::string name = language + kWindowCaptionsExtension;
  CaptionTranslations captions = shippedSupport.empty() ? CaptionTranslations{}
                                                        : CaptionTranslations::Read(shippedSupport + name);
  captions.Overlay(CaptionTranslations::Read(support + name));
  captions.language_ = language;
  return captions;
}

void SetWindowLanguage(CaptionTranslations translations) {
  Current().store(std::make_shared<const CaptionTranslations>(std::move(translations)));
}

std::string Translate(const std::string& english) { return Current().load()->Of(english); }

std::string WindowLanguage() { return Current().load()->Language(); }

}  // namespace pixmora
