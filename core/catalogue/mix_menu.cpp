#include "core/catalogue/catalogue.h"

namespace pixmora {

namespace {

constexpr CatalogueEntry kRows[] = {
    {Menu::Mix, 0, "Image mixing with A-B", nullptr},
    {Menu::Mix, 1, "Mix Pattern", nullptr},
    {Menu::Mix, 2, "-", nullptr},
    {Menu::Mix, 3, "Insert Shape", nullptr},
    {Menu::Mix, 4, "Outline", nullptr},
    {Menu::Mix, 5, "-", nullptr},
    {Menu::Mix, 6, "Slide Image", nullptr},
};

}  // namespace

std::span<const CatalogueEntry> MixMenuRows() { return kRows; }

}  // namespace pixmora
