// Runs one apply request: loads the pictures, runs each step as the window's
// command would, and writes the result.
#pragma once
#include <string>

#include "cli/command_line.h"
#include "imageio/picture_format.h"

namespace pixmora::cli {

// The output file is only written whole; a failure names what could not be
// read or written (or is a usage error).
Status RunApply(const ApplyRequest& request);

// The picture format for an output name, by its extension (any case).
Result<PictureFormat> OutputFormat(const std::string& path);
// Whether the batch tool writes files with this extension (small letters).
bool IsOutputExtension(const std::string& extension);

}  // namespace pixmora::cli
