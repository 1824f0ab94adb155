// The colour scheme "color_menu.cff": the back and fore colours of the
// window, read at start-up and copied into the data folder the first time;
// Preferences writes the data folder's copy.
#pragma once
#include "core/colour_ref.h"
#include "core/failure.h"
#include "session/workspace.h"

namespace pixmora {

inline constexpr const char* kColourSchemeFile = "color_menu.cff";

struct ColourScheme {
  ColorRef back = kDefaultBackColour;
  ColorRef fore = kDefaultForeColour;
};

// Reads the data folder's copy, else the support folder's; the defaults when
// neither can be read. Copies the support copy into the data folder when the
// data folder has none.
ColourScheme LoadColourScheme(const Folders& folders);

// The same colours without copying anything: the data folder's copy, the
// support folder's, or the shipped one (the batch tool writes nothing but
// its outputs).
ColourScheme ReadColourScheme(const Folders& folders);

// Writes the scheme's file at path in the form it is read in.
Status WriteColourScheme(const std::string& path, const ColourScheme& scheme);

}  // namespace pixmora
