// Decoding untrusted picture files in a child process (pixmora-decode) with
// caps on memory, processor time and output: a file that crashes, hangs or
// floods the decoder costs the editor nothing but a "damaged" answer.
#pragma once
#include <string>

#include "imageio/decode_result.h"

namespace pixmora {

// Seconds of wall-clock time a decode may take before the child is killed.
inline constexpr int kDecodeSeconds = 20;

DecodeResult DecodeInChild(const std::string& path, int flags, int seconds = kDecodeSeconds);

// Where pixmora-decode is: $PIXMORA_DECODE, beside the running program, in
// the installed or the built tree. Empty when none is found.
std::string DecoderPath();

}  // namespace pixmora
