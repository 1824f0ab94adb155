// How large a picture the program accepts: coordinates are 16-bit, a picture
// must leave room for a command in the memory available, and decoding one is
// given the time its file and its pixels can reasonably need.
#pragma once
#include <cstdint>
#include <string>

#include "core/failure.h"

namespace pixmora {

inline constexpr int kMaxSide = 32767;
// Bytes a pixel costs while a per-pixel command runs: image A, the result,
// its snapshot and the decoder's copy while it hands a picture over (4
// each). A picture is accepted when these fit; a command that reads the
// channel planes makes them when it runs (kPlaneBytesPerPixel more), and
// says so when that memory cannot be had.
inline constexpr int64_t kBytesPerPixel = 16;
inline constexpr int64_t kPlaneBytesPerPixel = 12;

// Bytes this process can still use: what the system has available, within
// the process's own address-space limit.
int64_t AvailableMemory();
// The most pixels a picture may have now: the memory available over
// kBytesPerPixel.
int64_t PixelBudget();

// Fails unless both sides are within 1 and kMaxSide; the failure's why names
// the size (the caller names the file).
Status CheckSides(int64_t width, int64_t height);
// Fails unless a picture of that size is accepted: a side out of range, or
// more pixels than pixelBudget.
Status CheckSize(int64_t width, int64_t height, int64_t pixelBudget = PixelBudget());

// Processor seconds a decoder may spend on a file of fileBytes that holds a
// picture of that many pixels (0 while the size is not known): a second or
// two for any file, more for a large file or a large picture. Every real
// picture decodes well within it; a file that keeps the decoder busy beyond
// it is taken for a damaged one.
int64_t DecodeSeconds(int64_t fileBytes, int64_t pixels);

// The editor waits this much longer than its usual wait for a decoder that
// announced a picture of that size (one second for every ten megapixels), so
// that a large picture is not taken for a hung decoder on a busy machine.
inline int64_t ExtraDecodeSeconds(int64_t width, int64_t height) {
  return width > 0 && height > 0 ? width * height / 10'000'000 : 0;
}

}  // namespace pixmora
