#include "bench/thread_option.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace pixmora::bench {

namespace {

// A count of 1 to 256 threads; anything else keeps the fallback.
int ParseCount(const char* text, int fallback) {
  if (!text) return fallback;
  char* end = nullptr;
  const long n = std::strtol(text, &end, 10);
  return end != text && *end == '\0' && n >= 1 && n <= 256 ? static_cast<int>(n) : fallback;
}

}  // namespace

int TakeThreadOption(int& argc, char** argv) {
  int threads = ParseCount(std::getenv("PIXMORA_THREADS"), 1);
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--threads=", 0) == 0) {
      threads = ParseCount(argv[i] + 10, threads);
    } else if (arg == "--threads" && i + 1 < argc) {
      threads = ParseCount(argv[++i], threads);
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
  argv[argc] = nullptr;
  return threads;
}

}  // namespace pixmora::bench
