// The default data installed with the program (pictures, textures, language
// files) and how it reaches the user's data folder.
#pragma once
#include <string>

#include "core/failure.h"

namespace pixmora {

// <prefix>/share/pixmora/VARDELO24/ of the installation the program runs
// from, found beside its bin folder so an installed tree can move, or the
// build tree's share/VARDELO24/ beside its programs; empty when neither is
// there.
std::string ShippedDataFolder(const std::string& programFolder);

// The photograph File > Open Sample opens, shipped in the samples folder
// beside the shipped data folder (<prefix>/share/pixmora/samples/).
inline constexpr const char* kSamplePhotograph = "valley.jpg";
// Its path, from the shipped data folder's; empty when that is.
std::string SamplePhotograph(const std::string& shipped);

// Copies into the data folder every shipped file and folder it lacks. A file
// the user already has is never replaced; each copy appears under its name
// only when complete, so programs starting together do not see half a file.
// Fails, naming the first file or folder that could not be made, when
// something could not be copied.
Status AddMissingShippedData(const std::string& shipped, const std::string& data);

}  // namespace pixmora
