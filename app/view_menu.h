// The View menu: one of the session's pictures large in the work area, or
// the four previews again; the zoom of the large view; and image A shown
// where the result is, to compare before and after.
#pragma once
#include <functional>
#include <optional>

#include "session/workspace.h"

class QMenuBar;

namespace pixmora::windows {
class PictureView;
}

namespace pixmora::app {

struct ViewCommands {
  // Shows the picture large; none: the four previews.
  std::function<void(std::optional<Slot>)> show;
  windows::PictureView* view;  // the large view the zoom entries act on
};

void BuildViewMenu(QMenuBar& bar, const ViewCommands& commands);

// Checks the entry of what the work area shows, and enables the zoom entries
// (and the comparison, for the result) only while a picture is large.
void SyncViewMenu(QMenuBar& bar, std::optional<Slot> large);

}  // namespace pixmora::app
