// The noise filters, the only routines that draw from the program-wide random
// source (Module1::random). Their draw order is fixed, so the same commands
// after a start give the same pictures.
#pragma once
#include <cstdint>

#include "core/call_context.h"
#include "core/module1.h"
#include "core/picture_surface.h"

namespace pixmora {

// Every pixel gets its own brightness offset, the same on its three channels.
void Diffuse(Module1& m, const CallContext& call, PictureSurface& target, int16_t strength);
// Every row gets one brightness offset, from a draw and strength x 10
// (strength itself when that product overflows 16 bits).
void Haze(Module1& m, const CallContext& call, PictureSurface& target, int16_t strength);
// Every channel of every pixel is darkened by its own random share, up to half.
void Disorder(Module1& m, const CallContext& call, PictureSurface& target);

}  // namespace pixmora
