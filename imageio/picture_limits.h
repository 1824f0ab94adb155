// How large a picture the program accepts: coordinates are 16-bit, and a
// picture must leave room for the planes and the surfaces of a command.
#pragma once
#include <cstdint>
#include <string>

namespace pixmora {

inline constexpr int kMaxSide = 32767;
// Bytes a pixel costs while a command runs (planes 12, image A, result and its
// snapshot, a working copy: 40 in all).
inline constexpr int64_t kBytesPerPixel = 40;

// Decoding time grows with the picture: the decoder is allowed this many
// seconds beyond its base allowance for a picture of that size (one second
// for every ten megapixels), of processor time and of waiting alike.
inline int64_t ExtraDecodeSeconds(int64_t width, int64_t height) {
  return width > 0 && height > 0 ? width * height / 10'000'000 : 0;
}

// The most pixels a picture may have on this machine.
int64_t PixelBudget();
// Empty when a picture of that size is accepted; otherwise why not, naming the size.
std::string SizeProblem(int64_t width, int64_t height);

}  // namespace pixmora
