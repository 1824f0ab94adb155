#include "core/catalogue/catalogue.h"

namespace pixmora {

namespace {

constexpr CatalogueEntry kRows[] = {
    {Menu::Filters, 0, "Relief", nullptr},
    {Menu::Filters, 1, "Relief - (red)", nullptr},
    {Menu::Filters, 2, "Relief - (green)", nullptr},
    {Menu::Filters, 3, "Relief - (blue)", nullptr},
    {Menu::Filters, 4, "-", nullptr},
    {Menu::Filters, 5, "Fog", nullptr},
    {Menu::Filters, 6, "Obscure", nullptr},
    {Menu::Filters, 7, "-", nullptr},
    {Menu::Filters, 8, "Diffuse Images", nullptr},
    {Menu::Filters, 9, "-", nullptr},
    {Menu::Filters, 10, "Highlighted Image", nullptr},
    {Menu::Filters, 11, "-", nullptr},
    {Menu::Filters, 12, "Image Consumed", nullptr},
    {Menu::Filters, 13, "Merge", nullptr},
    {Menu::Filters, 14, "Contrast", nullptr},
    {Menu::Filters, 15, "Haze", nullptr},
    {Menu::Filters, 16, "Disorder", nullptr},
    {Menu::Filters, 17, "-", nullptr},
    {Menu::Filters, 18, "Freeze", nullptr},
    {Menu::Filters, 19, "Freeze high", nullptr},
    {Menu::Filters, 20, "-", nullptr},
    {Menu::Filters, 21, "Black and white 1", nullptr},
    {Menu::Filters, 22, "Black and white 2", nullptr},
    {Menu::Filters, 23, "Black and white 3", nullptr},
};

}  // namespace

std::span<const CatalogueEntry> FiltersMenuRows() { return kRows; }

}  // namespace pixmora
