// The start-up configuration: "sxconf.cff" in the data folder names the
// language, whose file in the support folder gives the window its captions.
#pragma once
#include <string>

#include "session/captions/language_file.h"
#include "session/workspace.h"

namespace pixmora {

inline constexpr const char* kConfigurationFile = "sxconf.cff";

// Value 6 of the seven values of "sxconf.cff" (five texts, the language,
// a number); false when the file is missing or a value cannot be read.
bool ReadLanguageName(const std::string& path, std::string& language);

// Reads the configuration and the language file and applies the captions;
// the window's own captions (window_captions.h) take the same language.
// Any failure ends the step quietly: the captions set so far stay.
bool LoadConfiguration(const Folders& folders, CaptionTarget& target);

}  // namespace pixmora
