// Edit > "Copy as command" and "Save recipe...": the steps that made the
// result shown, as a command line for the batch tool or as a recipe file it
// replays (see session/recipe/).
#pragma once
#include <QString>

#include "app/command_host.h"
#include "session/history/history.h"

namespace pixmora::app {

// The batch tool's command line that makes the result shown from the
// original files; empty when no image A was opened.
QString ResultCommandLine(const History& history);

// Asks Dialog1 for a file and writes the recipe there (whole or not at all).
void SaveRecipe(CommandHost& host, const History& history);

}  // namespace pixmora::app
