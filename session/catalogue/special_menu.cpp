#include "session/catalogue/catalogue.h"
#include "ops/special/chained_filters.h"
#include "ops/special/conditional_filters.h"

namespace pixmora {

namespace {

// Every special filter takes only the target.
template <void (*Routine)(Module1&, const CallContext&, PictureSurface&)>
void RunOnResult(CommandContext& c) {
  Routine(c.ws.m, c.call, c.ws.Pic4);
}

// A filter's map, which reads no control value.
template <PixelMap (*Make)()>
PixelMap AlwaysMap(const ControlValues&) {
  return Make();
}

constexpr CatalogueEntry kRows[] = {
    {Menu::Special, 0, "brown", "Brown", RunOnResult<Brown>, 0, AlwaysMap<BrownMap>},
    {Menu::Special, 1, "liquid", "Liquid", RunOnResult<Liquid>, 0, AlwaysMap<LiquidMap>},
    {Menu::Special, 2, "yellow", "Yellow", RunOnResult<Yellow>, 0, AlwaysMap<YellowMap>},
    {Menu::Special, 3, "coal", "Coal", RunOnResult<Coal>},
    {Menu::Special, 4, "dark", "Dark", RunOnResult<Dark>, 0, AlwaysMap<DarkMap>},
    {Menu::Special, 5, "partial-darkness", "Partial Darkness", RunOnResult<PartialDarkness>, 0, AlwaysMap<PartialDarknessMap>},
    {Menu::Special, 6, "violet", "Violet", RunOnResult<Violet>, 0, AlwaysMap<VioletMap>},
    {Menu::Special, 7, "spooky", "Spooky", RunOnResult<Spooky>, 0, AlwaysMap<SpookyMap>},
    {Menu::Special, 8, "unreal", "Unreal", RunOnResult<Unreal>, 0, AlwaysMap<UnrealMap>},
    {Menu::Special, 9, "flame", "Flame", RunOnResult<Flame>, 0, AlwaysMap<FlameMap>},
    {Menu::Special, 10, "aquarel", "Aquarel", RunOnResult<Aquarel>, 0, AlwaysMap<AquarelMap>},
};

}  // namespace

std::span<const CatalogueEntry> SpecialMenuRows() { return kRows; }

}  // namespace pixmora
