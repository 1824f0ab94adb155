// Image > Selection...: the selection's shape, place and size typed in, in
// image A's pixels, and its feather.
#pragma once
#include <optional>

#include "ops/image/selection.h"

class QWidget;

namespace pixmora::app {

// Starts from the current selection (else all of a width x height image A,
// in the tool's shape); none when cancelled. What it gives lies within image A.
std::optional<Selection> AskSelection(QWidget* parent, const std::optional<Selection>& current, SelectionShape tool,
                                      int width, int height);

}  // namespace pixmora::app
