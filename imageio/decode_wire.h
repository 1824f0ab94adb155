// The decoder process hands a decoded bitmap to the editor through a pipe:
// a fixed header, the palette and its transparency, then FreeImage's own
// rows. A JPEG decoded a band at a time comes instead as rows of the
// picture's own colours, top down, as they are decoded, and a WireEnd
// follows them. The receiver trusts nothing in it
// that it has not checked.
#pragma once
#include <cstdint>

#include "imageio/decode_result.h"

namespace pixmora {

struct WireHeader {
  char magic[8];
  int32_t failed;  // 0 when the picture follows; else 1 + the failure's kind
  int32_t code;    // the failure's system error number (errno), which the editor words
  int32_t format;
  int32_t type;
  int32_t width, height, bpp;
  uint32_t redMask, greenMask, blueMask;
  uint32_t colours;
  int32_t transparent;         // FreeImage sees transparency in it (32 bits: the fourth byte is alpha)
  uint32_t transparentColours; // the palette's entries with an alpha of their own
  uint32_t dotsPerMeterX, dotsPerMeterY;
  uint32_t pitch;
  uint64_t bitsBytes;
  int32_t colourRows;  // the rows are colour rows (see jpeg_rows.h), top down, then a WireEnd
  char message[200];   // the failure's why, or the picture's note
};

inline constexpr char kWireMagic[8] = {'P', 'X', 'M', 'D', 'E', 'C', '4', '\0'};

// After colour rows: what became known only at their end.
struct WireEnd {
  char magic[8];
  char note[200];  // the picture's note
};

inline constexpr char kEndMagic[8] = {'P', 'X', 'M', 'E', 'N', 'D', '\0', '\0'};

// Sent ahead of the header as soon as the file's claimed size is known, so
// that the editor waits longer for a large picture.
struct WireSize {
  char magic[8];
  int64_t width, height;
};

inline constexpr char kSizeMagic[8] = {'P', 'X', 'M', 'S', 'I', 'Z', 'E', '\0'};

bool WriteDecodeSize(int fd, int64_t width, int64_t height);

// Writes the result to the file descriptor (the decoder's standard output).
bool WriteDecodeResult(int fd, const DecodeResult& result);

}  // namespace pixmora
