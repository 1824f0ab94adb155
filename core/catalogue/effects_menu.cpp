#include "core/catalogue/catalogue.h"

namespace pixmora {

namespace {

// "Circles" has no routine: the handler publishes the cleared result.
void NoRoutine(CommandContext&) {}

constexpr CatalogueEntry kRows[] = {
    {Menu::Effects, 0, "Add hor. blinds", nullptr},
    {Menu::Effects, 1, "Add reversed hor. blinds", nullptr},
    {Menu::Effects, 2, "Add vert. blinds", nullptr},
    {Menu::Effects, 3, "Add reversed vert. blinds", nullptr},
    {Menu::Effects, 4, "-", nullptr},
    {Menu::Effects, 5, "Horizontal lines", nullptr},
    {Menu::Effects, 6, "Vertical lines", nullptr},
    {Menu::Effects, 7, "Add squares", nullptr},
    {Menu::Effects, 8, "Rectangles", nullptr},
    {Menu::Effects, 9, "Circles", NoRoutine},
};

}  // namespace

std::span<const CatalogueEntry> EffectsMenuRows() { return kRows; }

}  // namespace pixmora
