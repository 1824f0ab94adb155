// The start-up configuration: "sxconf.cff" in the data folder names the
// language, whose file in the support folder gives the window its captions.
#pragma once
#include <string>
#include <vector>

#include "session/captions/language_file.h"
#include "session/workspace.h"

namespace pixmora {

inline constexpr const char* kConfigurationFile = "sxconf.cff";

// Value 6 of the seven values of "sxconf.cff" (five texts, the language,
// a number); fails when the file cannot be read or a value is missing.
Result<std::string> ReadLanguageName(const std::string& path);

// Reads the configuration and the language file and applies the captions;
// the window's own captions (window_captions.h) take the same language.
// A failure changes no caption; the window goes on quietly, as designed.
Status LoadConfiguration(const Folders& folders, CaptionTarget& target);

// The languages the support folder holds a language file for, sorted.
std::vector<std::string> LanguageNames(const Folders& folders);
// Shows the window in that language: the design's captions from its
// language file (those it lacks as designed) and the window's own. A
// language file that cannot be read changes nothing.
Status UseLanguage(const Folders& folders, const std::string& language, CaptionTarget& target);
// Names the language in the configuration at path: the six other values
// stay as they were (or take the shipped ones when the file cannot be read).
Status WriteLanguageName(const std::string& path, const std::string& language);

}  // namespace pixmora
