// `apply --out-dir DIR [--format EXT] IMAGE... -- OP... [options]`: the same
// commands on many pictures, as many at once as there are cores, in worker
// processes apart from this one, so that one bad file cannot disturb the others.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "cli/output_guard.h"
#include "core/failure.h"

namespace pixmora::cli {

struct ManyRequest {
  std::string outDir;
  std::optional<std::string> format;     // the outputs' extension; else each input's own
  std::optional<std::string> recipe;     // replayed on every picture
  bool overwrite = false;                // results may replace the pictures themselves
  std::vector<std::string> images;
  std::vector<std::string> stepsAndOptions;  // handed to every single run unchanged
  std::vector<FileRead> alsoRead;  // what every picture's run reads besides it: image B, ..., the recipe
};

bool IsManyForm(const std::vector<std::string>& args);
// The commands and options are checked too; a failure is a usage error.
Result<ManyRequest> ParseMany(const std::vector<std::string>& args);
// The output file for each input: DIR/stem.ext, numbered (stem-2.ext) where
// that name is another output's, letter case aside.
std::vector<std::string> OutputNames(const ManyRequest& request);
// Runs every picture, making the output folder when missing; answers the
// exit status (0 all done, 1 some failed), or why the run could not start.
Result<int> RunMany(const ManyRequest& request, const std::string& self);

}  // namespace pixmora::cli
