// How the history names a step and what it read, as the window lists it.
#pragma once
#include <string>

#include "session/history/history.h"

namespace pixmora {

// What a command read besides image A, as the side panel shows the values
// ("strength 0.7, size 70%, colour 1 10,200,30") and the pictures by their
// files' names, as history knows them, in the window's language; empty for
// other steps.
std::string StepDetails(const RecipeStep& step, const History& history, bool pictures = true);

}  // namespace pixmora
