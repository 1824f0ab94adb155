// What the batch tool was asked to do, parsed from its arguments into a
// recipe: the same steps a recipe file holds, so the command line and a
// recipe can never disagree about what a step does.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "cli/output_guard.h"
#include "imageio/save_settings.h"
#include "session/recipe/recipe.h"

namespace pixmora::cli {

struct ApplyRequest {
  std::string imageA;  // the picture the run starts from
  std::string output;
  Recipe recipe;                   // from image A opened on
  std::vector<std::string> notes;  // values given that no command reads
  bool timings = false;            // report the time of each stage on stderr
  int threads = 0;                 // threads a command may use; 0: one per core
  // A recipe's replay (or --editor-save) writes OUTPUT as the editor's
  // "Save file" does, so that the two files are the same.
  bool writeAsSaved = false;
  SaveSettings save;  // JPEG quality or PNG compression: the recipe's, unless options say
  std::optional<ColorRef> flatten;  // the output laid onto this colour (--flatten R,G,B)
  std::string recipeFile;  // the recipe replayed, when there is one
  bool overwrite = false;  // OUTPUT may be image A itself, replaced by its result
};

// The files a request reads: the pictures it opens, by their roles, and its recipe.
std::vector<FileRead> FilesRead(const ApplyRequest& request);

// Parses the arguments after "apply"; a failure is a usage error.
Result<ApplyRequest> ParseApply(const std::vector<std::string>& args);

}  // namespace pixmora::cli
