// The value a counted loop leaves in its 16-bit counter (LoopX, LoopY).
#pragma once
#include <cstdint>

namespace pixmora {

// Where "For v = 0 To last Step step" leaves its 16-bit counter: the first
// value past last, or the last value visited when that would overflow.
inline int16_t LoopEnd(int last, int step) {
  if (last < 0) return 0;
  const int visited = last / step * step;
  return static_cast<int16_t>(visited + step > 32767 ? visited : visited + step);
}

}  // namespace pixmora
