// What an operation command needs besides the side panel's values: image A
// always, and image B, the pattern or the shape when its catalogue row says
// it reads them. A command whose pictures are missing is disabled and says
// what to open first.
#pragma once
#include <QString>
#include <functional>

#include "session/catalogue/command_inputs.h"
#include "session/workspace.h"

class QMenu;

namespace pixmora::app {

inline constexpr const char* kOpenImageAFirst =
    "Open image A first (File > Open, File > Open Sample or drop a picture)";

// What to open first for a command that reads these inputs; empty when the
// session holds every picture it needs.
QString MissingPictureHint(const Workspace& ws, Inputs reads);

// While the pointer rests on a disabled entry of menu that carries a hint
// (the "missing" property), show gets the hint.
void ShowHintsOfDisabledEntries(QMenu& menu, std::function<void(const QString&)> show);

}  // namespace pixmora::app
