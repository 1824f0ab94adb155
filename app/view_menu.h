// The View menu: one of the session's pictures large in the work area, or
// the four previews again; the zoom of the large view; and image A shown
// where the result is, to compare before and after.
#pragma once
#include <functional>
#include <optional>

class QMenuBar;

namespace pixmora::windows {
class PictureView;
}

namespace pixmora::app {

enum class Viewed { ImageA, ImageB, Result, Pattern, Shape };

struct ViewCommands {
  // Shows the picture large; none: the four previews.
  std::function<void(std::optional<Viewed>)> show;
  windows::PictureView* view;  // the large view the zoom entries act on
};

void BuildViewMenu(QMenuBar& bar, const ViewCommands& commands);

// Checks the entry of what the work area shows, and enables the zoom entries
// (and the comparison, for the result) only while a picture is large.
void SyncViewMenu(QMenuBar& bar, std::optional<Viewed> large);

}  // namespace pixmora::app
