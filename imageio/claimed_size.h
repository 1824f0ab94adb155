// The size of the picture a file claims, read from its header without
// decoding its pixels.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace pixmora {

struct Claim {
  int format = -1;        // FreeImage's format
  int64_t width = 0, height = 0;
  int bitsPerPixel = 0;   // of the bitmap FreeImage would make (0 when not known)
};

// What the file of that format claims, when its header says so: FreeImage's
// header-only load; for a BMP or a JPEG its header, read here; for a GIF the
// first picture's own size (what FreeImage decodes, whatever the screen says).
std::optional<Claim> ClaimedPicture(const std::string& path, int format);

}  // namespace pixmora
