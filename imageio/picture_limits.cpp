#include "imageio/picture_limits.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "core/large_array.h"

namespace pixmora {

namespace {

// MemAvailable: free memory and the caches the system can drop; the machine's
// memory where the system does not say.
int64_t SystemAvailable() {
  std::ifstream meminfo("/proc/meminfo");
  std::string key;
  int64_t kib = 0;
  while (meminfo >> key >> kib)
    if (key == "MemAvailable:") return kib * 1024;
  const int64_t pages = sysconf(_SC_PHYS_PAGES), pageSize = sysconf(_SC_PAGESIZE);
  return pages > 0 && pageSize > 0 ? pages * pageSize : int64_t{1} << 32;
}

// What the address-space limit leaves beside what the process already maps.
int64_t AddressSpaceLeft() {
  rlimit r{};
  if (getrlimit(RLIMIT_AS, &r) != 0 || r.rlim_cur == RLIM_INFINITY) return INT64_MAX;
  int64_t mappedPages = 0;
  std::ifstream("/proc/self/statm") >> mappedPages;
  return static_cast<int64_t>(r.rlim_cur) - mappedPages * sysconf(_SC_PAGESIZE);
}

std::string SizeText(int64_t width, int64_t height) {
  return std::to_string(width) + " x " + std::to_string(height) + " pixels";
}

// The size refused, in its own words; the reader of the file names the file.
std::unexpected<Failure> Refused(std::string why) { return std::unexpected(Failure{.why = std::move(why)}); }

std::string Gigabytes(int64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f GB", static_cast<double>(bytes) / 1e9);
  return text;
}

}  // namespace

// The mappings kept for reuse are ours to hand to a new picture.
int64_t AvailableMemory() {
  const auto kept = static_cast<int64_t>(KeptLargeBytes());
  return std::max<int64_t>(0, std::min(SystemAvailable(), AddressSpaceLeft()) + kept);
}

int64_t PixelBudget() { return AvailableMemory() / kBytesPerPixel; }

Status CheckSides(int64_t width, int64_t height) {
  if (width < 1 || height < 1) return Refused("the picture claims " + SizeText(width, height));
  if (width > kMaxSide || height > kMaxSide)
    return Refused(SizeText(width, height) + " is larger than " + std::to_string(kMaxSide) +
                   " pixels a side");
  return {};
}

Status CheckSize(int64_t width, int64_t height, int64_t pixelBudget) {
  if (Status sides = CheckSides(width, height); !sides) return sides;
  if (width * height <= pixelBudget) return {};
  return Refused(SizeText(width, height) + " need " + Gigabytes(width * height * kBytesPerPixel) +
                 " of memory to edit; " + Gigabytes(pixelBudget * kBytesPerPixel) + " is available");
}

int64_t DecodeSeconds(int64_t fileBytes, int64_t pixels) {
  return 2 + pixels / 20'000'000 + fileBytes / 50'000'000;
}

}  // namespace pixmora
