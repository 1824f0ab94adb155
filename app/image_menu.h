// The Image menu, the window's own, after the five operation menus: commands
// that make the result from image A as a whole. Flatten onto Colour 2
// (mnuFlatten) lays image A onto colour 2, opaque.
#pragma once
#include <functional>

class QMenuBar;

namespace pixmora::app {

inline constexpr const char* kFlattenCaption = "Flatten onto Colour 2";

struct ImageCommands {
  std::function<void()> flatten;
};

void BuildImageMenu(QMenuBar& bar, const ImageCommands& commands);

}  // namespace pixmora::app
