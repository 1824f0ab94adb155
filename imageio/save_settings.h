// What a user may choose about how a picture file is encoded. A setting that
// does not concern the format written is ignored.
#pragma once

namespace pixmora {

enum class PngCompression { Default, Fast, Best };

struct SaveSettings {
  int jpegQuality = 0;  // 1 .. 100 (above, 100); 0 or less: the format's default
  PngCompression pngCompression = PngCompression::Default;
};

}  // namespace pixmora
