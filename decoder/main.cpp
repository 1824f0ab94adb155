// pixmora-decode: decodes picture files for the editor and the batch tool,
// one after another. Each request on standard input is "FILE\0FLAGS\0PIXELS\0",
// PIXELS being the most pixels the caller's memory leaves room for; each
// answer on standard output is the size the file claims, then the bitmap or
// why there is none (for a file that cannot be opened or read, the system's
// error number, which the editor words).
// It runs with tight limits, set anew for every file, so a hostile file can
// only make this process fail; and a file that fails to decode ends it, so
// that whatever the file did stays with it and the next starts afresh.
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/child_process.h"
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

void SoftLimit(int resource, rlim_t value) {
  rlimit r{};
  getrlimit(resource, &r);
  r.rlim_cur = std::min(value, r.rlim_max);
  setrlimit(resource, &r);
}

// FreeImage's widest pixel type and a working copy, beside the libraries.
rlim_t MemoryFor(int64_t pixels) { return 512 * kMiB + static_cast<rlim_t>(pixels) * 40; }

rlim_t SecondsUsed() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return static_cast<rlim_t>(u.ru_utime.tv_sec + u.ru_stime.tv_sec + 1);
}

rlim_t BytesMapped() {
  size_t pages = 0;
  std::ifstream("/proc/self/statm") >> pages;
  return static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
}

// Processor time and memory for a picture of that many pixels in a file of
// fileBytes, beyond what the files before it have used.
void LimitWork(int64_t fileBytes, int64_t pixels) {
  SoftLimit(RLIMIT_CPU, SecondsUsed() + static_cast<rlim_t>(pixmora::DecodeSeconds(fileBytes, pixels)));
  if (kCapAddressSpace) SoftLimit(RLIMIT_AS, BytesMapped() + MemoryFor(pixels));
}


// Decodes one file and answers it; false when the process should end.
bool Serve(const std::string& path, int flags, int64_t budget) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  const int64_t fileBytes = ec ? 0 : static_cast<int64_t>(size);
  const int64_t mostPixels = std::min<int64_t>(budget, int64_t{pixmora::kMaxSide} * pixmora::kMaxSide);
  LimitWork(fileBytes, std::min(mostPixels, fileBytes * kPixelsPerByteUnannounced));
  // Once the claimed size is known and accepted, the limits become what such
  // a picture can need, and the caller is told to wait for it.
  auto sizeKnown = [&](int64_t w, int64_t h) {
    LimitWork(fileBytes, w * h);
    pixmora::WriteDecodeSize(STDOUT_FILENO, w, h);
  };
  const pixmora::DecodeResult result = pixmora::DecodeFile(path, flags, sizeKnown, budget);
  return pixmora::WriteDecodeResult(STDOUT_FILENO, result) && result.has_value();
}

// The memory of the last picture is kept for the next, which in a folder run
// follows at once; a decoder left waiting longer (the editor's, between two
// opens) gives it back. Requests come one at a time, each after the answer
// to the one before, so nothing of the next is buffered yet.
void GiveBackMemoryWhenIdle() {
  constexpr int kIdleMs = 3000;
  if (pixmora::ReadableAmong({STDIN_FILENO}, kIdleMs).empty()) malloc_trim(0);
}

}  // namespace

int main(int argc, char**) {
  if (argc != 1) return 2;
  rlimit none{0, 0};
  setrlimit(RLIMIT_CORE, &none);
  setrlimit(RLIMIT_FSIZE, &none);
  // The memory one picture was decoded in stays with this process for the
  // next: fresh memory costs a page fault and a zero-fill for every page.
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, INT_MAX);
  std::string path, flags, pixels;
  for (;;) {
    GiveBackMemoryWhenIdle();
    if (!pixmora::ReadRequestField(path) || !pixmora::ReadRequestField(flags) ||
        !pixmora::ReadRequestField(pixels))
      return 0;
    if (!Serve(path, std::atoi(flags.c_str()), std::atoll(pixels.c_str()))) return 0;
  }
}
