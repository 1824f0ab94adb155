// The start-up configuration: "sxconf.cff" in the data folder names the
// language, whose file in the support folder gives the window its captions.
#pragma once
#include <string>

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

}  // namespace pixmora
