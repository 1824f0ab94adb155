// Filters that change every channel by a fixed rule of its own value.
#pragma once
#include <cstdint>

#include "core/call_context.h"
#include "core/module1.h"
#include "core/picture_surface.h"

namespace pixmora {

// Flips the bits of strength x 8 in every channel (strength itself when the
// product overflows 16 bits).
void Consume(Module1& m, const CallContext& call, PictureSurface& target, int16_t strength);
// Every channel exclusive-or its own value divided by the factor.
void Merge(Module1& m, const CallContext& call, PictureSurface& target, float factor);
// Channels below 128 lose Int(c / strength), the others gain it, clamped.
void Contrast(Module1& m, const CallContext& call, PictureSurface& target, int16_t strength);

}  // namespace pixmora
