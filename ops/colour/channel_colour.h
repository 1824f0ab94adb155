// The channel colour commands of the Color menu: each pixel from its own
// three plane values only.
#pragma once
#include <cstdint>

#include "core/call_context.h"
#include "core/module1.h"
#include "core/picture_surface.h"
#include "core/pixel_map.h"

namespace pixmora {

// add = -1 adds colour 1's amounts to the channels; any other value subtracts them.
void ShiftColors(Module1& m, const CallContext& call, PictureSurface& target, int16_t red,
                 int16_t green, int16_t blue, int16_t add);
// Adds (or, for strength <= 0, subtracts) a share of the pixel's channel sum.
void Brightness(Module1& m, const CallContext& call, PictureSurface& target, int16_t strength);
void DeleteComponent(Module1& m, const CallContext& call, PictureSurface& target,
                     int16_t mode);  // 0 red, 1 green, 2 blue
void ReverseComponents(Module1& m, const CallContext& call, PictureSurface& target,
                       int16_t mode);  // 0 RG, 1 RB, 2 GB
void ComponentNegative(Module1& m, const CallContext& call, PictureSurface& target,
                       int16_t mode);  // 0..2 one, 3 all
void Grayscale(Module1& m, const CallContext& call, PictureSurface& target);

// The same routines (Brightness aside: it carries a share from one command to
// the next) as pixel maps, for passes over bands of rows.
PixelMap ShiftColorsMap(int16_t red, int16_t green, int16_t blue, int16_t add);
PixelMap DeleteComponentMap(int16_t mode);
PixelMap ReverseComponentsMap(int16_t mode);
PixelMap ComponentNegativeMap(int16_t mode);
PixelMap GrayscaleMap();

}  // namespace pixmora
