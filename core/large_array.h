// Zero-filled arrays for picture-sized data (or, for an array its owner
// fills whole before reading it, arrays of undefined values, which spare a
// pass over the memory). Large ones are mapped straight
// from the system; their mappings are kept when they are freed, up to a
// budget, and serve the next large arrays without faulting again: fresh
// memory costs a page fault and a zero-fill for every page, which on some
// machines is most of the time of opening or publishing a picture.
#pragma once
#include <cstddef>
#include <memory>

#include "core/cancel_token.h"

namespace pixmora {

struct LargeFree {
  size_t bytes = 0;
  void operator()(void* p) const;
};

template <class T>
using LargeArray = std::unique_ptr<T[], LargeFree>;

// bytes of zeroes (of undefined values unless zeroed); throws std::bad_alloc
// when there is no memory for them.
void* AllocateLarge(size_t bytes, bool zeroed = true);

// The bytes of freed large arrays kept for the next ones.
size_t KeptLargeBytes();

// Has the system back bytes of memory at p (part of one large array) now,
// leaving its contents as they are: the page faults are taken here, away
// from the work that will use it. Does nothing where the system cannot, or
// where the memory was freed meanwhile (whoever holds it now sees the same
// contents), so it may run while the array's owner goes on.
void PrefaultLarge(void* p, size_t bytes, const CancelToken* stop = nullptr);
// Maps and faults in an array of that many bytes and keeps it for the next
// large array to come; a slice at a time, until stop (if any) is cancelled.
void WarmLargeArrays(size_t bytes, const CancelToken* stop = nullptr);

template <class T>
LargeArray<T> MakeLargeArray(size_t count, bool zeroed = true) {
  const size_t bytes = count * sizeof(T);
  return LargeArray<T>(static_cast<T*>(AllocateLarge(bytes, zeroed)), LargeFree{bytes});
}

}  // namespace pixmora
