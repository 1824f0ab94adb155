// Runs the pictures of a folder run in worker processes, as many at once as
// there are cores, largest first; says each picture's notes, named by its
// picture, and at the end which pictures failed and why.
#pragma once
#include <string>
#include <vector>

namespace pixmora::cli {

// Answers the exit status: 0 when every picture was written, else 1.
// Throws RunError when no worker can start.
int RunPictures(const std::vector<std::string>& images, const std::vector<std::string>& outputs,
                const std::vector<std::string>& stepsAndOptions, const std::string& self);

}  // namespace pixmora::cli
