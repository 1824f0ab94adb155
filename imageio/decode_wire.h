// The decoder process hands a decoded bitmap to the editor through a pipe:
// a fixed header, the palette, then FreeImage's own rows. The receiver
// trusts nothing in it that it has not checked.
#pragma once
#include <cstdint>

#include "imageio/decode_result.h"

namespace pixmora {

struct WireHeader {
  char magic[8];
  int32_t status;
  int32_t format;
  int32_t type;
  int32_t width, height, bpp;
  uint32_t redMask, greenMask, blueMask;
  uint32_t colours;
  uint32_t dotsPerMeterX, dotsPerMeterY;
  uint32_t pitch;
  uint64_t bitsBytes;
  char message[200];
};

inline constexpr char kWireMagic[8] = {'P', 'X', 'M', 'D', 'E', 'C', '1', '\0'};

// Writes the result to the file descriptor (the decoder's standard output).
bool WriteDecodeResult(int fd, const DecodeResult& result);

}  // namespace pixmora
