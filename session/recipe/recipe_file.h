// Recipe files: small text files a person can read and edit, that the batch
// tool replays with `pixmora-cli apply --recipe FILE`. The first line is
// "pixmora-recipe 2" (commands written by key) or "pixmora-recipe 1" (the
// first recipes, commands written as MENU:INDEX; they still replay); after it, each line holds words of recipe_words.h,
// separated by blanks. Double quotes keep blanks inside a word
// (image-b="my picture.png"; \" and \\ inside them stand for " and \). A '#'
// outside quotes starts a comment. A relative file name is relative to the
// recipe file's folder.
#pragma once
#include <string>

#include "session/recipe/recipe_words.h"

namespace pixmora {

inline constexpr const char* kRecipeHeader = "pixmora-recipe 2";
inline constexpr const char* kFirstRecipeHeader = "pixmora-recipe 1";

// Adds the file's words to builder; a failure is a usage error ("the recipe
// FILE, line N: why"; "cannot read the recipe FILE: why").
Status ReadRecipeFile(const std::string& path, RecipeBuilder& builder);
// The same from the file's text; base is the folder relative names start in.
Status ReadRecipeText(const std::string& text, const std::string& base, RecipeBuilder& builder);

// The file's text for a recipe: a step a line, each command with the values
// it reads and its caption in a comment. Operations whose result nothing uses
// are left out (see LiveSteps).
std::string RecipeText(const Recipe& recipe);

// A command line for the batch tool that replays the recipe: the first
// picture opened as image A is IMAGE_A; output is the file it writes, as
// the editor's "Save file" would (--editor-save).
std::string RecipeCommandLine(const Recipe& recipe, const std::string& output);

// Quotes a word for a POSIX shell when it needs it.
std::string ShellWord(const std::string& word);

}  // namespace pixmora
