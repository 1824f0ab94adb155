#include "session/catalogue/catalogue.h"
#include "ops/filters/consume_merge_contrast.h"
#include "ops/filters/fog_obscure.h"
#include "ops/filters/freeze_black_white.h"
#include "ops/filters/highlight.h"
#include "ops/filters/random_filters.h"
#include "ops/filters/relief.h"

namespace pixmora {

namespace {

// The noise filters read the random source.
constexpr Inputs kRandom = static_cast<Inputs>(Input::Random);

constexpr CatalogueEntry kRows[] = {
    {Menu::Filters, 0, "relief", "Relief", [](CommandContext& c) { Relief(c.ws.m, c.call, c.ws.Pic4); }},
    {Menu::Filters, 1, "relief-red", "Relief - (red)", [](CommandContext& c) { ReliefRed(c.ws.m, c.call, c.ws.Pic4, 64); }},
    {Menu::Filters, 2, "relief-green", "Relief - (green)", [](CommandContext& c) { ReliefGreen(c.ws.m, c.call, c.ws.Pic4, 64); }},
    {Menu::Filters, 3, "relief-blue", "Relief - (blue)", [](CommandContext& c) { ReliefBlue(c.ws.m, c.call, c.ws.Pic4, 64); }},
    {Menu::Filters, 4, "", "-", nullptr},
    {Menu::Filters, 5, "fog", "Fog", [](CommandContext& c) { Fog(c.ws.m, c.call, c.ws.Pic4); }},
    {Menu::Filters, 6, "obscure", "Obscure", [](CommandContext& c) { Obscure(c.ws.m, c.call, c.ws.Pic4); }},
    {Menu::Filters, 7, "", "-", nullptr},
    {Menu::Filters, 8, "diffuse", "Diffuse Images", [](CommandContext& c) { Diffuse(c.ws.m, c.call, c.ws.Pic4, 3); }, kRandom},
    {Menu::Filters, 9, "", "-", nullptr},
    {Menu::Filters, 10, "highlight", "Highlighted Image", [](CommandContext& c) { Highlight(c.ws.m, c.call, c.ws.Pic4); }},
    {Menu::Filters, 11, "", "-", nullptr},
    {Menu::Filters, 12, "consume", "Image Consumed", [](CommandContext& c) { Consume(c.ws.m, c.call, c.ws.Pic4, 5); }},
    {Menu::Filters, 13, "merge", "Merge", [](CommandContext& c) { Merge(c.ws.m, c.call, c.ws.Pic4, 1.5f); }},
    {Menu::Filters, 14, "contrast", "Contrast", [](CommandContext& c) { Contrast(c.ws.m, c.call, c.ws.Pic4, 10); }},
    {Menu::Filters, 15, "haze", "Haze", [](CommandContext& c) { Haze(c.ws.m, c.call, c.ws.Pic4, 20); }, kRandom},
    {Menu::Filters, 16, "disorder", "Disorder", [](CommandContext& c) { Disorder(c.ws.m, c.call, c.ws.Pic4); }, kRandom},
    {Menu::Filters, 17, "", "-", nullptr},
    {Menu::Filters, 18, "freeze", "Freeze", [](CommandContext& c) { Freeze(c.ws.m, c.call, c.ws.Pic4, 1.5f); }, 0, [](const ControlValues&) { return FreezeMap(1.5f); }},
    {Menu::Filters, 19, "freeze-high", "Freeze high", [](CommandContext& c) { Freeze(c.ws.m, c.call, c.ws.Pic4, 2.0f); }, 0, [](const ControlValues&) { return FreezeMap(2.0f); }},
    {Menu::Filters, 20, "", "-", nullptr},
    {Menu::Filters, 21, "black-white-1", "Black and white 1", [](CommandContext& c) { BlackAndWhite(c.ws.m, c.call, c.ws.Pic4, 200); }, 0, [](const ControlValues&) { return BlackAndWhiteMap(200); }},
    {Menu::Filters, 22, "black-white-2", "Black and white 2", [](CommandContext& c) { BlackAndWhite(c.ws.m, c.call, c.ws.Pic4, 150); }, 0, [](const ControlValues&) { return BlackAndWhiteMap(150); }},
    {Menu::Filters, 23, "black-white-3", "Black and white 3", [](CommandContext& c) { BlackAndWhite(c.ws.m, c.call, c.ws.Pic4, 100); }, 0, [](const ControlValues&) { return BlackAndWhiteMap(100); }},
};

}  // namespace

std::span<const CatalogueEntry> FiltersMenuRows() { return kRows; }

}  // namespace pixmora
