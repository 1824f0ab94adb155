// The Image menu, after the five design menus and before View: Crop to
// Selection, Resize..., the flips and the quarter turns (commands like the
// design's, made from image A), Flatten onto Colour 2 (mnuFlatten: image A
// laid onto colour 2, opaque), and the selection's entries. None of them
// is an entry of the five menus: recipes name them by their own words.
#pragma once

#include "session/image_command.h"

namespace pixmora::app {

class Form1;

inline constexpr const char* kFlattenCaption = "Flatten onto Colour 2";

void BuildImageMenu(Form1& window);

// The object name of a command's entry ("mnuCrop").
const char* ImageEntryName(ImageCommand command);

}  // namespace pixmora::app
