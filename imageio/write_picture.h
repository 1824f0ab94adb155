// WritePictureFile: the one way the program writes a picture to a file, in
// any of its formats, at the picture's own size or resampled. The file is
// written under a temporary name and renamed over the target only when
// complete, so a failure never leaves half a file where a good one stood.
#pragma once
#include <FreeImage.h>

#include <cstdint>
#include <optional>
#include <string>

#include "core/picture.h"

namespace pixmora {

struct WriteOptions {
  int width = 0;  // the size to resample to; 0 keeps the picture's own
  int height = 0;
  int filter = FILTER_BSPLINE;  // the resampling filter
  std::optional<int32_t> dpi;   // the resolution fields, when given
  int flags = 0;                // FreeImage's save flags for the format
};

// Writes the picture as a 24-bit file of the format under exactly that name.
// Empty when the file now holds it; otherwise why not, in a few words.
std::string WritePictureFile(const Picture& picture, const std::string& path, int format,
                             const WriteOptions& options = {});

// The name a save under path in that format gets: path itself when its
// extension is one of the format's (letter case counting), else path with the
// format's own extension appended ("tex" as PNG is "tex.png").
std::string NameWithFormatExtension(const std::string& path, int format);

}  // namespace pixmora
