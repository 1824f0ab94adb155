#include "session/catalogue/catalogue.h"
#include "ops/colour/channel_colour.h"
#include "ops/colour/gradient.h"

namespace pixmora {

namespace {

void RunShift(CommandContext& c, int16_t add) {
  const int16_t* k = c.values.colour1;
  ShiftColors(c.ws.m, c.call, c.ws.Pic4, k[0], k[1], k[2], add);
}

void RunGradient(CommandContext& c) {
  const ControlValues& v = c.values;
  Gradient(c.ws.m, c.call, c.ws.Pic4, v.strength, v.colour1[0], v.colour1[1], v.colour1[2],
           v.colour2[0], v.colour2[1], v.colour2[2]);
}

PixelMap ShiftMap(const ControlValues& v, int16_t add) {
  return ShiftColorsMap(v.colour1[0], v.colour1[1], v.colour1[2], add);
}

constexpr Inputs kColour1 = static_cast<Inputs>(Input::Colour1);

constexpr CatalogueEntry kRows[] = {
    {Menu::Color, 0, "gradient", "Gradient", RunGradient, Input::Strength | Input::Colour1 | Input::Colour2},
    {Menu::Color, 1, "", "-", nullptr},
    {Menu::Color, 2, "full-colors", "Full Colors", [](CommandContext& c) { RunShift(c, -1); }, kColour1, [](const ControlValues& v) { return ShiftMap(v, -1); }},
    {Menu::Color, 3, "underlying-colors", "Underlying Colors", [](CommandContext& c) { RunShift(c, 0); }, kColour1, [](const ControlValues& v) { return ShiftMap(v, 0); }},
    {Menu::Color, 4, "", "-", nullptr},
    {Menu::Color, 5, "brighten", "Brightening Image", [](CommandContext& c) { Brightness(c.ws.m, c.call, c.ws.Pic4, 5); }},
    {Menu::Color, 6, "darken", "Darken Image", [](CommandContext& c) { Brightness(c.ws.m, c.call, c.ws.Pic4, -5); }},
    {Menu::Color, 7, "", "-", nullptr},
    {Menu::Color, 8, "delete-red", "Delete red component", [](CommandContext& c) { DeleteComponent(c.ws.m, c.call, c.ws.Pic4, 0); }, 0, [](const ControlValues&) { return DeleteComponentMap(0); }},
    {Menu::Color, 9, "delete-green", "Delete green component", [](CommandContext& c) { DeleteComponent(c.ws.m, c.call, c.ws.Pic4, 1); }, 0, [](const ControlValues&) { return DeleteComponentMap(1); }},
    {Menu::Color, 10, "delete-blue", "Delete blue component", [](CommandContext& c) { DeleteComponent(c.ws.m, c.call, c.ws.Pic4, 2); }, 0, [](const ControlValues&) { return DeleteComponentMap(2); }},
    {Menu::Color, 11, "", "-", nullptr},
    {Menu::Color, 12, "swap-red-green", "Reverse Red and Green", [](CommandContext& c) { ReverseComponents(c.ws.m, c.call, c.ws.Pic4, 0); }, 0, [](const ControlValues&) { return ReverseComponentsMap(0); }},
    {Menu::Color, 13, "swap-red-blue", "Reverse Red and Blue", [](CommandContext& c) { ReverseComponents(c.ws.m, c.call, c.ws.Pic4, 1); }, 0, [](const ControlValues&) { return ReverseComponentsMap(1); }},
    {Menu::Color, 14, "swap-green-blue", "Reverse Green and Blue", [](CommandContext& c) { ReverseComponents(c.ws.m, c.call, c.ws.Pic4, 2); }, 0, [](const ControlValues&) { return ReverseComponentsMap(2); }},
    {Menu::Color, 15, "", "-", nullptr},
    {Menu::Color, 16, "negative-red", "Red component negative", [](CommandContext& c) { ComponentNegative(c.ws.m, c.call, c.ws.Pic4, 0); }, 0, [](const ControlValues&) { return ComponentNegativeMap(0); }},
    {Menu::Color, 17, "negative-green", "Green component negative", [](CommandContext& c) { ComponentNegative(c.ws.m, c.call, c.ws.Pic4, 1); }, 0, [](const ControlValues&) { return ComponentNegativeMap(1); }},
    {Menu::Color, 18, "negative-blue", "Blue component negative", [](CommandContext& c) { ComponentNegative(c.ws.m, c.call, c.ws.Pic4, 2); }, 0, [](const ControlValues&) { return ComponentNegativeMap(2); }},
    {Menu::Color, 19, "image-negative", "Image negative", [](CommandContext& c) { ComponentNegative(c.ws.m, c.call, c.ws.Pic4, 3); }, 0, [](const ControlValues&) { return ComponentNegativeMap(3); }},
    {Menu::Color, 20, "", "-", nullptr},
    {Menu::Color, 21, "grayscale", "Grayscale", [](CommandContext& c) { Grayscale(c.ws.m, c.call, c.ws.Pic4); }, 0, [](const ControlValues&) { return GrayscaleMap(); }},
};

}  // namespace

std::span<const CatalogueEntry> ColorMenuRows() { return kRows; }

}  // namespace pixmora
