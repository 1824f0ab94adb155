// Fog and Obscure straight from a picture's pixels, on 16 vector lanes.
//
// The in-place pass goes down each column, every pixel taking the mean of
// its square as it stands, so each pixel waits for the one above it: one
// column at a time, the pass is a chain of divisions. Yet pixel (x, y) needs
// nothing of column x - 1 below row y + r, so column x can run s = r + 1 rows
// behind column x - 1. Lane l of a strip of columns therefore holds column
// x0 - r + l at row t - s * l at step t, and one step treats a pixel in each
// of the strip's columns at once. Stored in place, a step reads exactly the
// cells the column-by-column pass reads: those of earlier steps are treated,
// the others not yet.
//
// The first r lanes hold the treated columns left of the strip, the last r
// the untreated ones right of it; the 16 - 2r lanes between are treated.
// Strips follow one another, on several threads at once: a strip's left
// lanes wait until the strip before has treated their rows.
#pragma once

#include <functional>

#include "core/call_context.h"
#include "core/picture.h"

namespace pixmora {

// Whether this processor has the lanes (AVX2).
bool SoftenLanesAvailable();

// out, a picture of source's size but not source, becomes source's channels
// softened with squares of side 2r + 1 (r 1 or 2) as the in-place pass leaves
// them, composed; pixels within r of an edge keep their channels. Wants at
// least 2r + 1 rows and columns. columnsDone(x) tells the calling thread's
// progress: every column before x is done. Ends between two chunks of rows
// once the call is cancelled.
void SoftenInLanes(int r, const PixelBuffer& source, PixelBuffer& out, const CallContext& call,
                   const std::function<void(int)>& columnsDone);

}  // namespace pixmora
