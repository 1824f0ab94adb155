// Which steps of a session's history made its result: what the result
// preview shows depends on some of them only (a command whose result was
// never handed on, a picture opened and replaced unused, play no part).
#pragma once
#include "session/recipe/recipe.h"

namespace pixmora {

// The steps, in their order, without those whose effect nothing after them
// reads: the same result from fewer steps.
Recipe LiveSteps(const Recipe& history);

}  // namespace pixmora
