// The conditional special filters: each pixel recoloured from its own three
// channels, with a branch on their values.
#pragma once

#include "core/call_context.h"
#include "core/module1.h"
#include "core/picture_surface.h"
#include "core/pixel_map.h"

namespace pixmora {

// Channel ratios through sin(atan(...)) into mid tones (20..145).
void Unreal(Module1& m, const CallContext& call, PictureSurface& target);
// Where red exceeds blue: red up and blue down by the pixel's average.
void Flame(Module1& m, const CallContext& call, PictureSurface& target);
// Halves every channel of a pixel with a channel of 128 or more, doubles the others.
void Aquarel(Module1& m, const CallContext& call, PictureSurface& target);
// Unreal, Flame and Aquarel as pixel maps, for passes over bands of rows.
PixelMap UnrealMap();
PixelMap FlameMap();
PixelMap AquarelMap();

}  // namespace pixmora
