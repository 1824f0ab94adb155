// Asking for memory before a pass reads it. The processor's own prefetching
// stops at every 4 KB page, several times a picture column, and a pass that
// reads several columns at once then waits for memory there.
#pragma once
#include <cstdint>

namespace pixmora {

// A kilobyte of pixels or cells ahead of the one being read.
inline constexpr int kPrefetchCells = 256;

// Asks for the cache line `cells` elements past p (for writing with
// kForWriting), which need not lie in the same array: a prefetch of any
// address is harmless.
template <bool kForWriting = false, class T>
inline void PrefetchAhead(const T* p, int cells = kPrefetchCells) {
  __builtin_prefetch(reinterpret_cast<const void*>(reinterpret_cast<uintptr_t>(p) + cells * sizeof(T)),
                     kForWriting ? 1 : 0);
}

}  // namespace pixmora
