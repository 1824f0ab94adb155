#include "session/catalogue/catalogue.h"
#include "ops/special/chained_filters.h"
#include "ops/special/conditional_filters.h"

namespace pixmora {

namespace {

// Every special filter takes only the target.
template <void (*Routine)(Module1&, PictureSurface&)>
void RunOnResult(CommandContext& c) {
  Routine(c.ws.m, c.ws.Pic4);
}

constexpr CatalogueEntry kRows[] = {
    {Menu::Special, 0, "Brown", RunOnResult<Brown>},
    {Menu::Special, 1, "Liquid", RunOnResult<Liquid>},
    {Menu::Special, 2, "Yellow", RunOnResult<Yellow>},
    {Menu::Special, 3, "Coal", RunOnResult<Coal>},
    {Menu::Special, 4, "Dark", RunOnResult<Dark>},
    {Menu::Special, 5, "Partial Darkness", RunOnResult<PartialDarkness>},
    {Menu::Special, 6, "Violet", RunOnResult<Violet>},
    {Menu::Special, 7, "Spooky", RunOnResult<Spooky>},
    {Menu::Special, 8, "Unreal", RunOnResult<Unreal>},
    {Menu::Special, 9, "Flame", RunOnResult<Flame>},
    {Menu::Special, 10, "Aquarel", RunOnResult<Aquarel>},
};

}  // namespace

std::span<const CatalogueEntry> SpecialMenuRows() { return kRows; }

}  // namespace pixmora
