// MixImages and MixPattern: a straight blend of image A with another picture,
// read from that picture (image B) or from the pattern tiled over the target.
#include <algorithm>

#include "ops/mixing/blend_region.h"
#include "ops/mixing/mix_kernels.h"
#include "ops/mixing/mixing.h"

namespace pixmora {

namespace {

// Copies of the pattern at its own size side by side, one more across and
// down than the rounded count of whole tiles, so that the target is covered.
// A pattern without size leaves the counts at 0 (the division fails).
struct Tiling {
  Picture tile;
  float wp = 0, hp = 0;
  int16_t nx = 0, ny = 0;
  bool covers = false;  // tiles that replace every pixel of the target
  // Drawn unscaled, at whole pixels, none over another.
  bool Plain() const { return covers && tile->Width() == wp && tile->Height() == hp; }
};

Tiling TilesOver(const PictureSurface& target, const PictureSurface& pattern) {
  Tiling t{pattern.GetPicture(), static_cast<float>(pattern.Width()), static_cast<float>(pattern.Height())};
  if (t.wp != 0) ToInt16(static_cast<float>(target.Width()) / t.wp, t.nx);
  if (t.hp != 0) ToInt16(static_cast<float>(target.Height()) / t.hp, t.ny);
  t.covers = t.tile && t.tile->Count() > 0 && (t.nx + 1.0) * t.wp >= target.Width() &&
             (t.ny + 1.0) * t.hp >= target.Height();
  return t;
}

// Tiles that cover the whole target replace every pixel, so the target's
// own pixels are not copied first.
void TilePattern(PictureSurface& target, const Tiling& t) {
  if (t.covers) target.DetachForOverwrite();
  for (int X = 0; X <= t.nx; ++X)
    for (int Y = 0; Y <= t.ny; ++Y)
      target.PaintPicture(t.tile, static_cast<float>(X) * t.wp, static_cast<float>(Y) * t.hp, t.wp, t.hp);
}

// Plain tiles are put in column by column as the blend reads them: pixel
// (x, y) is the tile's (x mod wp, y mod hp).
Underlay TilesUnder(const Tiling& t) {
  return {[tile = t.tile](int x, ColorRef* out, int y0, int y1) {
    const int hp = tile->Height();
    const ColorRef* column = tile->Column(x % tile->Width());
    for (int y = y0; y < y1;) {
      const int from = y % hp, n = std::min(hp - from, y1 - y);
      std::copy(column + from, column + from + n, out + y);
      y += n;
    }
  }};
}

}  // namespace

void MixImages(Module1& m, const CallContext& call, PictureSurface& target,
               const PictureSurface& other, float strength) {
  TowardsColour kernel{Weight(Tenth(strength))};
  OperationFrame frame(call, other.Width() - 1.0);
  BlendRegion(m, call, target, other, 0, other.Width() - 1, 0, other.Height() - 1,
              [&kernel](int) { return kernel; }, [&frame](int x) { frame.Step(x); });
}

void MixPattern(Module1& m, const CallContext& call, PictureSurface& target,
                const PictureSurface& pattern, float strength) {
  TowardsColour kernel{Weight(Tenth(strength))};
  OperationFrame frame(call, target.Width() - 1.0);
  const Tiling tiling = TilesOver(target, pattern);
  if (tiling.Plain()) {
    target.DetachForOverwrite();
    BlendOwnPixels(m, call, target, kernel, frame, TilesUnder(tiling));
    return;
  }
  TilePattern(target, tiling);
  BlendOwnPixels(m, call, target, kernel, frame);
}

}  // namespace pixmora
