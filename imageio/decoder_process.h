// Decoding untrusted picture files in a child process (pixmora-decode) with
// caps on memory, processor time and output: a file that crashes, hangs or
// floods the decoder costs the editor nothing but a "damaged" answer. A file
// that cannot be read at all is answered with the system's reason.
#pragma once
#include <string>

#include "imageio/decode_result.h"
#include "imageio/row_receiver.h"

namespace pixmora {

// Seconds of wall-clock time a decode may take before the child is killed.
inline constexpr int kDecodeSeconds = 20;

// With intoPicture, a 24- or 32-bit colour result comes straight into
// Decoded::picture; any other comes as a bitmap. When the job of the calling
// thread is cancelled (see core/cancel_token.h) the child is killed at once
// and the answer is "damaged".
DecodeResult DecodeInChild(const std::string& path, int flags, int seconds = kDecodeSeconds,
                           bool intoPicture = false);

// As DecodeInChild into a picture at the file's own size, except that a
// picture the decoder sends as colour rows goes to receiver (Decoded::picture
// stays empty); any other comes whole.
DecodeResult DecodeInChildToRows(const std::string& path, RowReceiver& receiver);

// Where pixmora-decode is: $PIXMORA_DECODE, beside the running program, in
// the installed or the built tree. Empty when none is found.
std::string DecoderPath();

}  // namespace pixmora
