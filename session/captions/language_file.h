// Language files (".tra"): the captions of the main window in another
// language. Lines up to the first "VARY" or "*VARIE*" line are a header; the
// lines after it are the entries 0, 1, 2, ... Fixed entry numbers name the
// captions they set.
#pragma once
#include <string>
#include <vector>

#include "core/failure.h"

namespace pixmora {

inline constexpr const char* kLanguageExtension = ".tra";
// The highest entry a language file is expected to hold is 225.
inline constexpr int kLanguageEntryCount = 226;

// Where captions are read from and written to: the window, or a table in tests.
class CaptionTarget {
 public:
  virtual ~CaptionTarget() = default;
  virtual std::string Caption(const std::string& control) const = 0;
  virtual void SetCaption(const std::string& control, const std::string& caption) = 0;
};

// One caption set from an entry: control = prefix + entry + suffix.
struct CaptionRule {
  int entry;
  std::string control;
  std::string prefix;
  std::string suffix;
};

// Every caption the entries set, in the order they are set.
const std::vector<CaptionRule>& CaptionRules();

// The entries of a language file's text (UTF-8; a file that is not valid
// UTF-8 is read as Latin-1). Empty when there is no marker line.
std::vector<std::string> LanguageEntries(const std::string& text);
Result<std::vector<std::string>> ReadLanguageFile(const std::string& path);

// Sets the captions from the entries, then the two captions composed from
// translated ones ("Save" + " Texture (256x256)", "Open" + " Pattern..").
// A rule whose entry is past the end of the list leaves its caption as it is.
void ApplyLanguage(const std::vector<std::string>& entries, CaptionTarget& target);

}  // namespace pixmora
