// Decoding one picture file with FreeImage, guarded: the size a file claims
// is checked before its pixels are decoded (against what its bytes can hold
// and what memory leaves room for), and BMP files with the newer headers are
// presented in the form FreeImage reads. This runs inside the decoder process
// (and in the fuzz target), never in the editor itself.
#pragma once
#include <functional>
#include <string>

#include "imageio/decode_result.h"
#include "imageio/picture_limits.h"

namespace pixmora {

// Called with the claimed size once it is known and accepted, before decoding.
using SizeKnown = std::function<void(int64_t width, int64_t height)>;

// pixelBudget: the most pixels the caller's memory leaves room for. The
// result holds a bitmap, or for a colour JPEG read without flags its rows,
// still to be decoded.
DecodeResult DecodeFile(const std::string& path, int flags, const SizeKnown& sizeKnown = {},
                        int64_t pixelBudget = PixelBudget());

// What a successful decode of a file cut short says (Decoded::note).
inline constexpr const char* kTruncatedNote = "file is truncated; the missing part is grey";

}  // namespace pixmora
