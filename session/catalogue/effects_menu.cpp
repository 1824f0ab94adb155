#include "session/catalogue/catalogue.h"
#include "ops/effects/blinds.h"
#include "ops/effects/lines.h"
#include "ops/effects/rectangles.h"

namespace pixmora {

namespace {

constexpr int16_t kPeriod = 20;  // the blinds' period and the lines' spacing

using ColourEffect = void (*)(Module1&, const CallContext&, PictureSurface&, int16_t, float,
                              int16_t, int16_t, int16_t);

// Spacing, strength and colour 1.
void RunColourEffect(CommandContext& c, ColourEffect routine) {
  const int16_t* k = c.values.colour1;
  routine(c.ws.m, c.call, c.ws.Pic4, kPeriod, c.values.strength, k[0], k[1], k[2]);
}

// Rectangles tints what its outlines make non-black, so it starts from a
// black result: the picture emptied again, black back colour, cleared.
void RunRectangles(CommandContext& c) {
  PictureSurface& result = c.ws.Pic4;
  result.SetPicture(nullptr);
  result.BackColor = 0;
  result.Cls();
  RunColourEffect(c, Rectangles);
}

constexpr Inputs kStrengthColour1 = Input::Strength | Input::Colour1;
// Lines and squares paint over part of the cleared result only.
constexpr Inputs kOverTheBack = kStrengthColour1 | Input::BackColour;

constexpr CatalogueEntry kRows[] = {
    {Menu::Effects, 0, "horizontal-blinds", "Add hor. blinds",
     [](CommandContext& c) { HorizontalBlinds(c.ws.m, c.call, c.ws.Pic4, kPeriod, 0); }},
    {Menu::Effects, 1, "horizontal-blinds-reversed", "Add reversed hor. blinds",
     [](CommandContext& c) { HorizontalBlinds(c.ws.m, c.call, c.ws.Pic4, kPeriod, -1); }},
    {Menu::Effects, 2, "vertical-blinds", "Add vert. blinds",
     [](CommandContext& c) { VerticalBlinds(c.ws.m, c.call, c.ws.Pic4, kPeriod, 0); }},
    {Menu::Effects, 3, "vertical-blinds-reversed", "Add reversed vert. blinds",
     [](CommandContext& c) { VerticalBlinds(c.ws.m, c.call, c.ws.Pic4, kPeriod, -1); }},
    {Menu::Effects, 4, "", "-", nullptr},
    {Menu::Effects, 5, "horizontal-lines", "Horizontal lines",
     [](CommandContext& c) { RunColourEffect(c, HorizontalLines); }, kOverTheBack},
    {Menu::Effects, 6, "vertical-lines", "Vertical lines", [](CommandContext& c) { RunColourEffect(c, VerticalLines); },
     kOverTheBack},
    {Menu::Effects, 7, "squares", "Add squares", [](CommandContext& c) { RunColourEffect(c, AddSquares); },
     kOverTheBack},
    {Menu::Effects, 8, "rectangles", "Rectangles", RunRectangles, kStrengthColour1},
    {Menu::Effects, 9, "circles", "Circles", BlankResult, static_cast<Inputs>(Input::BackColour)},
};

}  // namespace

void BlankResult(CommandContext&) {}

std::span<const CatalogueEntry> EffectsMenuRows() { return kRows; }

}  // namespace pixmora
