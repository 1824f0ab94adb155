#include "tools/default_data/language_files.h"

#include <vector>

#include "session/captions/design_captions.h"
#include "session/captions/language_file.h"

namespace pixmora::data {

namespace {

bool StartsWith(const std::string& s, const std::string& start) {
  return s.compare(0, start.size(), start) == 0;
}

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

// The entry that gives caption under rule: the caption without the rule's
// prefix and suffix, where it has them.
std::string EntryText(const CaptionRule& rule, std::string caption) {
  if (StartsWith(caption, rule.prefix)) caption.erase(0, rule.prefix.size());
  if (EndsWith(caption, rule.suffix)) caption.erase(caption.size() - rule.suffix.size());
  return caption;
}

}  // namespace

bool LanguageFileText(const std::string& language, const CaptionSource& captions, std::string& text) {
  std::vector<std::optional<std::string>> entries(kLanguageEntryCount);
  // An entry shared by several controls takes the caption of the first.
  for (const CaptionRule& rule : CaptionRules()) {
    if (entries[rule.entry]) continue;
    const std::optional<std::string> caption = captions(rule.control);
    if (!caption) return false;
    entries[rule.entry] = EntryText(rule, *caption);
  }
  text = "Pixmora language file\n" + language + "\nVARY\n";
  for (const auto& entry : entries) text += entry.value_or("") + "\n";
  return true;
}

std::optional<std::string> EnglishCaption(const std::string& control) {
  std::string caption = DesignCaptionOf(control);
  if (caption.empty()) return std::nullopt;
  return caption;
}

}  // namespace pixmora::data
