#include "core/catalogue/catalogue.h"

namespace pixmora {

namespace {

constexpr CatalogueEntry kRows[] = {
    {Menu::Special, 0, "Brown", nullptr},
    {Menu::Special, 1, "Liquid", nullptr},
    {Menu::Special, 2, "Yellow", nullptr},
    {Menu::Special, 3, "Coal", nullptr},
    {Menu::Special, 4, "Dark", nullptr},
    {Menu::Special, 5, "Partial Darkness", nullptr},
    {Menu::Special, 6, "Violet", nullptr},
    {Menu::Special, 7, "Spooky", nullptr},
    {Menu::Special, 8, "Unreal", nullptr},
    {Menu::Special, 9, "Flame", nullptr},
    {Menu::Special, 10, "Aquarel", nullptr},
};

}  // namespace

std::span<const CatalogueEntry> SpecialMenuRows() { return kRows; }

}  // namespace pixmora
