// Gives the window the colour scheme: the window, its labels, frames and
// picture boxes take the back and fore colours; scroll bars, menus, buttons,
// the slider, the status bar and the progress bar keep their own.
#pragma once
#include <QWidget>

#include "session/config/colour_scheme.h"

namespace pixmora::app {

void ApplyColourScheme(QWidget& window, const ColourScheme& scheme);

}  // namespace pixmora::app
