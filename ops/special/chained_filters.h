// The chained special filters: each pixel recoloured by a fixed chain of
// statements on its own three channels, each stored into its plane at once.
#pragma once

#include "core/call_context.h"
#include "core/module1.h"
#include "core/picture_surface.h"
#include "core/pixel_map.h"

namespace pixmora {

void Brown(Module1& m, const CallContext& call, PictureSurface& target);
void Liquid(Module1& m, const CallContext& call, PictureSurface& target);
// Strong reds overflow the green's 16-bit composition: the pixel keeps its colour.
void Yellow(Module1& m, const CallContext& call, PictureSurface& target);
// Writes a grey; the planes keep the grey in red and the clamped green and blue.
void Coal(Module1& m, const CallContext& call, PictureSurface& target);
void Dark(Module1& m, const CallContext& call, PictureSurface& target);
void PartialDarkness(Module1& m, const CallContext& call, PictureSurface& target);
void Violet(Module1& m, const CallContext& call, PictureSurface& target);
void Spooky(Module1& m, const CallContext& call, PictureSurface& target);

// The same filters (Coal aside: a failed composition carries a colour to the
// next pixel) as pixel maps, for passes over bands of rows.
PixelMap BrownMap();
PixelMap LiquidMap();
PixelMap YellowMap();
PixelMap DarkMap();
PixelMap PartialDarknessMap();
PixelMap VioletMap();
PixelMap SpookyMap();

}  // namespace pixmora
