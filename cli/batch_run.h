// Runs one apply request: loads the pictures, runs each step as the window's
// command would, and writes the result.
#pragma once
#include <string>

#include "cli/command_line.h"
#include "imageio/picture_format.h"

namespace pixmora::cli {

struct RunError {
  int exitCode;  // 1: a file could not be read or written; 2: a usage error
  std::string message;
};

// Throws RunError (or UsageError); the output file is only written whole.
void RunApply(const ApplyRequest& request);

// The picture format for an output name, by its extension (any case).
PictureFormat OutputFormat(const std::string& path);
// Whether the batch tool writes files with this extension (small letters).
bool IsOutputExtension(const std::string& extension);

}  // namespace pixmora::cli
