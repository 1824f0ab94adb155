// Decoding one picture file with FreeImage, guarded: the size a file claims
// is checked before its pixels are decoded, and BMP files with the newer
// headers are presented in the form FreeImage reads. This runs inside the
// decoder process (and in the fuzz target), never in the editor itself.
#pragma once
#include <functional>
#include <string>

#include "imageio/decode_result.h"

namespace pixmora {

// Called with the claimed size once it is known and accepted, before decoding.
using SizeKnown = std::function<void(int64_t width, int64_t height)>;

DecodeResult DecodeFile(const std::string& path, int flags, const SizeKnown& sizeKnown = {});

}  // namespace pixmora
