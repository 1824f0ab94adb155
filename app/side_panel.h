// The side panel Picture3: the two colours, strength and size (Frame1), the
// rotation slider (Frame3) and the pattern preview picture1 (Frame2).
#pragma once
#include "app/form1_controls.h"
#include "core/picture_surface.h"

class QScrollArea;

namespace pixmora::app {

inline constexpr int kSidePanelWidth = 290;
inline constexpr int kPatternPreviewWidth = 200;
inline constexpr int kPatternPreviewHeight = 150;
// The slider turns image A in steps of 45 degrees, a full turn either way.

// patternSurface is the display surface of picture1. Answers the panel in
// the scroll area that lets it scroll on a low screen.
QScrollArea* BuildSidePanel(Form1Controls& c, PictureSurface& patternSurface);

}  // namespace pixmora::app
