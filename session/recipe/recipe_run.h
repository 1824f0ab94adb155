// Runs a recipe on a session, each step as the window does it: a picture
// opened into its place, the result handed on, a menu command or the
// rotation slider.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "session/recipe/recipe.h"
#include "session/workspace.h"

namespace pixmora {

enum class RecipeStage { Read, Command, Publish };

class RecipeHost {
 public:
  virtual ~RecipeHost() = default;
  // The picture of a file opened into a slot, or why it cannot be used.
  virtual Result<Picture> Read(Slot slot, const std::string& file) = 0;
  // Runs one stage of a step (the batch tool times them).
  virtual void Stage(RecipeStage, const std::function<void()>& work) { work(); }
};

// Fails (a usage error) before any step runs when a command would read
// image B and none is there by then.
Status CheckRecipe(const Recipe& recipe, bool haveImageB);

// Stops at the first picture the host cannot read, or the first selection or
// crop that does not fit image A, with its failure.
Status RunRecipe(Workspace& ws, const Recipe& recipe, RecipeHost& host);

// Before the window runs step: the result's back colour now, when the step
// shows it, so that a replay shows the same under any colour scheme.
void NoteBackColour(RecipeStep& step, const Workspace& ws);

// The steps of the window's flows, for those that do them without a recipe.
void PutPicture(Workspace& ws, Slot slot, const Picture& picture);
void HandResultOn(Workspace& ws, Slot slot);
// The steps a command taken with Chain on stands for: the command, then its
// result handed on as image A, as "Load image (A)" would.
std::vector<RecipeStep> ChainedSteps(const RecipeStep& command);

}  // namespace pixmora
