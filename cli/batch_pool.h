// Runs the pictures of a folder run in worker processes, as many at once as
// there are cores, largest first; says each picture's notes, named by its
// picture, and at the end which pictures failed and why.
#pragma once
#include <string>
#include <vector>

#include "core/failure.h"

namespace pixmora::cli {

// Answers the exit status: 0 when every picture was written, else 1; fails
// when a worker cannot start.
Result<int> RunPictures(const std::vector<std::string>& images, const std::vector<std::string>& outputs,
                        const std::vector<std::string>& stepsAndOptions, const std::string& self);

}  // namespace pixmora::cli
