// The column loop of the Mix Image routines' regions, and the values their
// loop counters keep.
#pragma once
#include <algorithm>
#include <cstdint>

#include "core/call_context.h"
#include "core/column_runs.h"

namespace pixmora {

// The value a For counter keeps after its loop: the first value when the
// loop never ran, one past the last otherwise (at 32767 the increment
// overflows and the loop just ends).
inline int16_t LoopEnd(int first, int last) {
  return static_cast<int16_t>(first > last ? first : std::min(last + 1, 32767));
}

// The columns xFirst .. xLast of a region, shared out among the threads;
// progress(x) follows the calling thread's columns, scaled to the whole
// region, and ends at xLast.
template <class Column, class Progress>
void ForRegionColumns(const CallContext& call, int xFirst, int xLast, Column column, Progress& progress) {
  const int columns = std::max(xLast - xFirst + 1, 0);
  ForColumnRuns(call.threads, columns, [&](int first, int end, bool lead) {
    for (int i = first; i < end; ++i) {
      call.StopIfCancelled();
      column(xFirst + i);
      if (lead) progress(xFirst + static_cast<int>(static_cast<long long>(i) * columns / end));
    }
  });
  if (columns > 0) progress(xLast);
}

}  // namespace pixmora
