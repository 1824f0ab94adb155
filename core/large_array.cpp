#include "core/large_array.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <new>

namespace pixmora {

namespace {

constexpr size_t kHugePage = size_t{2} << 20;

// Small arrays come from the heap; mapping each would cost more than it saves.
bool Mapped(size_t bytes) { return bytes >= kHugePage; }

size_t MappedSize(size_t bytes) { return (bytes + kHugePage - 1) & ~(kHugePage - 1); }

// A fresh mapping (zero-filled by the system) aligned to a huge page, so that
// every 2 MB of it can be one page.
void* MapAligned(size_t bytes) {
  const size_t size = MappedSize(bytes);
  void* raw = mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE,
                   MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) throw std::bad_alloc();
  const auto at = reinterpret_cast<uintptr_t>(raw);
  const uintptr_t start = (at + kHugePage - 1) & ~(kHugePage - 1);
  const size_t head = start - at;
  if (head > 0) munmap(raw, head);
  if (kHugePage - head > 0) munmap(reinterpret_cast<void*>(start + size), kHugePage - head);
  auto* p = reinterpret_cast<void*>(start);
  madvise(p, size, MADV_HUGEPAGE);  // a hint: without it the mapping still works
  return p;
}

}  // namespace

void* AllocateLarge(size_t bytes) {
  if (Mapped(bytes)) return MapAligned(bytes);
  void* p = std::calloc(bytes ? bytes : 1, 1);
  if (!p) throw std::bad_alloc();
  return p;
}

void LargeFree::operator()(void* p) const {
  if (!p) return;
  if (Mapped(bytes)) munmap(p, MappedSize(bytes));
  else std::free(p);
}

}  // namespace pixmora
