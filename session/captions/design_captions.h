// The captions the main window is designed with, before a language file
// replaces them. The operation menus' captions are the catalogue's; this
// table holds the File menu, the labels and the frames.
#pragma once
#include <span>
#include <string>

namespace pixmora {

struct DesignCaption {
  const char* control;
  const char* caption;
};

std::span<const DesignCaption> WindowDesignCaptions();

// The design caption of any captioned control of the main window, the
// operation menus included ("mnuCol(21)" gives "Grayscale", "mnuColor"
// gives "Color....."); empty for an unknown name.
std::string DesignCaptionOf(const std::string& control);

}  // namespace pixmora
