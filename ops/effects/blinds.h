// The blinds: bands of period rows (or columns) darkened step by step, each
// pixel's planes scaled by (n - b) / n for the band counter b of its row.
#pragma once
#include <cstdint>

#include "core/call_context.h"
#include "core/module1.h"
#include "core/picture_surface.h"

namespace pixmora {

// reversed = 0 scales the band's rows by 1, (n-1)/n, ..., 1/n; any other
// value by 0, 1/n, ..., (n-1)/n.
void HorizontalBlinds(Module1& m, const CallContext& call, PictureSurface& target, int16_t period,
                      int16_t reversed);
// The same along the columns.
void VerticalBlinds(Module1& m, const CallContext& call, PictureSurface& target, int16_t period,
                    int16_t reversed);

}  // namespace pixmora
