// Image > Resize...: image A's new size, in pixels (keeping its proportions
// or not) or as a percentage, and the filter that resamples it.
#pragma once
#include <optional>

#include "session/image_command.h"

class QWidget;

namespace pixmora::app {

// Asks for a new size of a width x height image A; none when cancelled.
std::optional<ImageStep> AskResize(QWidget* parent, int width, int height);

}  // namespace pixmora::app
