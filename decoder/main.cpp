// pixmora-decode FILE FLAGS: decodes one picture file and writes the bitmap
// to standard output for the editor. It runs with tight limits, so a hostile
// file can only make this process fail.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "imageio/decode_file.h"
#include "imageio/decode_wire.h"
#include "imageio/picture_limits.h"

namespace {

void Limit(int resource, rlim_t value) {
  rlimit r{value, value};
  setrlimit(resource, &r);
}

constexpr rlim_t kMiB = 1024 * 1024;

// AddressSanitizer and ThreadSanitizer reserve terabytes of address space for
// their shadow memory, so a sanitized build caps memory through the parent's
// limits only.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kCapAddressSpace = false;
#else
constexpr bool kCapAddressSpace = true;
#endif

constexpr rlim_t kBaseSeconds = 15;

void LimitMemory(rlim_t bytes) {
  if (kCapAddressSpace) Limit(RLIMIT_AS, bytes);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  Limit(RLIMIT_CORE, 0);
  Limit(RLIMIT_FSIZE, 0);
  // Processor time: the base allowance until the size is known. The hard
  // limit leaves room for the largest picture's allowance, which only this
  // code, before any pixel is decoded, can grant.
  const rlim_t mostSeconds =
      kBaseSeconds + pixmora::ExtraDecodeSeconds(pixmora::kMaxSide, pixmora::kMaxSide);
  rlimit cpu{kBaseSeconds, mostSeconds};
  setrlimit(RLIMIT_CPU, &cpu);
  LimitMemory(4096 * kMiB);
  // Once the claimed size is known, memory is capped to what such a picture
  // can need (FreeImage's widest pixel type plus a working copy), the time to
  // what it may take, and the editor is told to wait that long.
  auto sizeKnown = [mostSeconds](int64_t w, int64_t h) {
    LimitMemory(512 * kMiB + static_cast<rlim_t>(w) * static_cast<rlim_t>(h) * 40);
    rlimit time{std::min(kBaseSeconds + pixmora::ExtraDecodeSeconds(w, h), mostSeconds), mostSeconds};
    setrlimit(RLIMIT_CPU, &time);
    pixmora::WriteDecodeSize(STDOUT_FILENO, w, h);
  };
  pixmora::DecodeResult result = pixmora::DecodeFile(argv[1], std::atoi(argv[2]), sizeKnown);
  const bool sent = pixmora::WriteDecodeResult(STDOUT_FILENO, result);
  return sent ? 0 : 1;
}
