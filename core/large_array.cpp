#include "core/large_array.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <new>
#include <vector>

namespace pixmora {

namespace {

// Large arrays are mapped, kept, cut and joined in pieces of 2 MB.
constexpr size_t kPiece = size_t{2} << 20;

// Small arrays come from the heap; mapping each would cost more than it saves.
bool Mapped(size_t bytes) { return bytes >= kPiece; }

size_t MappedSize(size_t bytes) { return (bytes + kPiece - 1) & ~(kPiece - 1); }

// A fresh mapping, zero-filled by the system, in the system's small pages.
// Huge pages would cost fewer faults, but on a virtual machine whose host
// takes back free memory in 2 MB pieces a fresh huge page waits for the host
// to fill the whole piece: measured at 2.7 ms a megabyte there, against 0.4
// in small pages (a folder run's first pictures, a large picture opened, the
// planes' first use took up to twice as long).
void* MapFresh(size_t size) {
  void* p = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p == MAP_FAILED) throw std::bad_alloc();
  return p;
}

// Mappings given back are kept for the next arrays. Memory fresh from the
// system costs a page fault and a zero-fill for every page, on some machines
// ten times what writing it costs afterwards: a command's first run on a
// large picture, or each picture of a folder run, then spends more time
// there than in its own arithmetic. A kept mapping is cleared instead.
// Mappings are cut at piece boundaries, so a kept one serves a smaller
// array and keeps its rest, and kept pieces that meet join again, so that
// the large arrays of one picture fit the next as they did.
class KeptMappings {
 public:
  void* Take(size_t size) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto fit = bySize_.lower_bound(size);  // the smallest that holds it
    if (fit == bySize_.end()) {
      MakeRoom(size);  // for the fresh mapping the caller makes
      return nullptr;
    }
    char* p = fit->second;
    const size_t kept = fit->first;
    Remove(p, kept);
    if (kept > size) Add(p + size, kept - size);
    return p;
  }
  void Give(void* given, size_t size) {
    auto* p = static_cast<char*>(given);
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (size <= Budget()) {
        MakeRoom(size);
        Join(p, size);
        return;
      }
    }
    munmap(p, size);
  }
  size_t Held() {
    std::lock_guard<std::mutex> lock(mutex_);
    return held_;
  }

 private:
  // A sixteenth of the memory, at most 1 GB: the arrays of a command, or of
  // a folder run's picture, of 24 MP (larger ones gain less from it).
  static size_t Budget() {
    static const size_t budget = [] {
      const long pages = sysconf(_SC_PHYS_PAGES), pageSize = sysconf(_SC_PAGESIZE);
      const size_t memory = pages > 0 && pageSize > 0 ? static_cast<size_t>(pages) * pageSize : 0;
      return std::min(memory / 16, size_t{1} << 30);
    }();
    return budget;
  }
  // Keeps p, joined with the kept pieces just before and after it.
  void Join(char* p, size_t size) {
    auto next = byAddress_.lower_bound(p);
    if (next != byAddress_.end() && next->first == p + size) {
      size += next->second;
      Remove(next->first, next->second);
      next = byAddress_.lower_bound(p);
    }
    if (next != byAddress_.begin()) {
      auto before = std::prev(next);
      if (before->first + before->second == p) {
        p = before->first, size += before->second;
        Remove(before->first, before->second);
      }
    }
    Add(p, size);
  }
  void Add(char* p, size_t size) {
    byAddress_.emplace(p, size);
    bySize_.emplace(size, p);
    held_ += size;
  }
  void Remove(char* p, size_t size) {
    byAddress_.erase(p);
    for (auto [it, end] = bySize_.equal_range(size); it != end; ++it)
      if (it->second == p) {
        bySize_.erase(it);
        break;
      }
    held_ -= size;
  }
  // Lets the largest kept mappings go until size more fits the budget.
  void MakeRoom(size_t size) {
    while (held_ + size > Budget() && !bySize_.empty()) {
      const auto [largest, p] = *std::prev(bySize_.end());
      Remove(p, largest);
      munmap(p, largest);
    }
  }

  std::mutex mutex_;
  std::map<char*, size_t> byAddress_;
  std::multimap<size_t, char*> bySize_;
  size_t held_ = 0;
};

KeptMappings& Kept() {
  static KeptMappings* kept = new KeptMappings;  // outlives every array, even static ones
  return *kept;
}

// Zeroes the pages of a kept mapping that hold anything. A page that is not
// resident was never touched (an array its owner never filled) or went to
// swap: dropping it is cheap and it reads as zero afterwards, while writing
// it would cost the very fault keeping the mapping saves.
void ClearResident(char* p, size_t bytes) {
  const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  std::vector<unsigned char> resident((bytes + page - 1) / page);
  if (mincore(p, bytes, resident.data()) != 0) {
    std::memset(p, 0, bytes);
    return;
  }
  for (size_t i = 0; i < resident.size();) {
    const bool held = resident[i] & 1;
    size_t end = i;
    while (end < resident.size() && (resident[end] & 1) == held) ++end;
    const size_t length = std::min(end * page, bytes) - i * page;
    if (held) std::memset(p + i * page, 0, length);
    else if (madvise(p + i * page, length, MADV_DONTNEED) != 0) std::memset(p + i * page, 0, length);
    i = end;
  }
}

}  // namespace

void* AllocateLarge(size_t bytes, bool zeroed) {
  if (!Mapped(bytes)) {
    void* p = zeroed ? std::calloc(bytes ? bytes : 1, 1) : std::malloc(bytes ? bytes : 1);
    if (!p) throw std::bad_alloc();
    return p;
  }
  const size_t size = MappedSize(bytes);
  if (void* p = Kept().Take(size)) {
    if (zeroed) ClearResident(static_cast<char*>(p), bytes);
    return p;
  }
  return MapFresh(size);
}

void LargeFree::operator()(void* p) const {
  if (!p) return;
  if (Mapped(bytes)) Kept().Give(p, MappedSize(bytes));
  else std::free(p);
}

size_t KeptLargeBytes() { return Kept().Held(); }

// In slices: the system holds the process's address space while it fills a
// range, and a thread that maps meanwhile (the window's, starting a thread
// or growing its heap) would wait for the whole of a large array.
void PrefaultLarge(void* p, size_t bytes, const CancelToken* stop) {
#ifdef MADV_POPULATE_WRITE
  constexpr uintptr_t kSlice = 8 * kPiece;
  const auto at = reinterpret_cast<uintptr_t>(p);
  const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const uintptr_t end = at + bytes;
  for (uintptr_t start = at & ~(page - 1); start < end && !(stop && stop->Cancelled()); start += kSlice)
    madvise(reinterpret_cast<void*>(start), std::min(kSlice, end - start), MADV_POPULATE_WRITE);
#else
  (void)p, (void)bytes, (void)stop;
#endif
}

void WarmLargeArrays(size_t bytes, const CancelToken* stop) {
  if (!Mapped(bytes)) return;
  LargeArray<uint8_t> warm = MakeLargeArray<uint8_t>(bytes);
  PrefaultLarge(warm.get(), bytes, stop);
}

}  // namespace pixmora
