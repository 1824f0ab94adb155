// pixmora-decode FILE FLAGS [PIXELS]: decodes one picture file and writes the
// bitmap to standard output for the editor. PIXELS is the most pixels the
// editor's memory leaves room for (this process's own reckoning when absent).
// It runs with tight limits, so a hostile file can only make this process fail.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "imageio/decode_file.h"
#include "imageio/decode_wire.h"
#include "imageio/picture_limits.h"

namespace {

constexpr rlim_t kMiB = 1024 * 1024;
// Until a file says its size, it is given the time and memory of the largest
// picture a file of its size plausibly holds at this many pixels a byte.
constexpr int64_t kPixelsPerByteUnannounced = 64;

// AddressSanitizer and ThreadSanitizer reserve terabytes of address space for
// their shadow memory, so a sanitized build caps memory through the parent's
// limits only.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kCapAddressSpace = false;
#else
constexpr bool kCapAddressSpace = true;
#endif

void Limit(int resource, rlim_t soft, rlim_t hard) {
  rlimit r{std::min(soft, hard), hard};
  setrlimit(resource, &r);
}

// FreeImage's widest pixel type and a working copy, beside the libraries.
rlim_t MemoryFor(int64_t pixels) { return 512 * kMiB + static_cast<rlim_t>(pixels) * 40; }

// Processor time and memory for a picture of that many pixels in a file of
// fileBytes; the hard limits stay at what the largest accepted picture may
// need until final says these are the last.
void LimitWork(int64_t fileBytes, int64_t pixels, int64_t mostPixels, bool final) {
  const rlim_t seconds = pixmora::DecodeSeconds(fileBytes, pixels);
  Limit(RLIMIT_CPU, seconds, final ? seconds : pixmora::DecodeSeconds(fileBytes, mostPixels));
  if (kCapAddressSpace) Limit(RLIMIT_AS, MemoryFor(pixels), final ? MemoryFor(pixels) : MemoryFor(mostPixels));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) return 2;
  const std::string path = argv[1];
  const int64_t budget = argc == 4 ? std::atoll(argv[3]) : pixmora::PixelBudget();
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  const int64_t fileBytes = ec ? 0 : static_cast<int64_t>(size);
  Limit(RLIMIT_CORE, 0, 0);
  Limit(RLIMIT_FSIZE, 0, 0);
  const int64_t mostPixels = std::min<int64_t>(budget, int64_t{pixmora::kMaxSide} * pixmora::kMaxSide);
  LimitWork(fileBytes, std::min(mostPixels, fileBytes * kPixelsPerByteUnannounced), mostPixels,
            false);
  // Once the claimed size is known and accepted, the limits become what such
  // a picture can need, and the editor is told to wait for it.
  auto sizeKnown = [&](int64_t w, int64_t h) {
    LimitWork(fileBytes, w * h, mostPixels, true);
    pixmora::WriteDecodeSize(STDOUT_FILENO, w, h);
  };
  pixmora::DecodeResult result = pixmora::DecodeFile(path, std::atoi(argv[2]), sizeKnown, budget);
  const bool sent = pixmora::WriteDecodeResult(STDOUT_FILENO, result);
  return sent ? 0 : 1;
}
