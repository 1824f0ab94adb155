#include "session/catalogue/catalogue.h"
#include "session/fit_image_b.h"
#include "ops/mixing/mixing.h"

namespace pixmora {

namespace {

// Image B is first brought to image A's size when the two differ.
void RunMixImages(CommandContext& c) {
  Workspace& ws = c.ws;
  if (static_cast<float>(ws.Pic2.Width()) != static_cast<float>(ws.Pic1.Width()) ||
      static_cast<float>(ws.Pic2.Height()) != static_cast<float>(ws.Pic1.Height()))
    FitImageB(ws);
  MixImages(ws.m, c.call, ws.Pic4, ws.Pic2, c.values.strength);
}

void RunMixPattern(CommandContext& c) {
  MixPattern(c.ws.m, c.call, c.ws.Pic4, c.ws.PatPic, c.values.strength);
}

void RunInsertShape(CommandContext& c) {
  InsertShape(c.ws.m, c.call, c.ws.Pic4, c.ws.Pic3, c.values.strength, c.values.size);
}

void RunOutlineShape(CommandContext& c) {
  OutlineShape(c.ws.m, c.call, c.ws.Pic4, c.ws.Pic3, c.values.strength, c.values.size);
}

constexpr Inputs kShapeStrengthSize = Input::Shape | Input::Strength | Input::Size;

constexpr CatalogueEntry kRows[] = {
    {Menu::Mix, 0, "mix-image-b", "Image mixing with A-B", RunMixImages, Input::ImageB | Input::Strength},
    {Menu::Mix, 1, "mix-pattern", "Mix Pattern", RunMixPattern, Input::Pattern | Input::Strength},
    {Menu::Mix, 2, "", "-", nullptr},
    {Menu::Mix, 3, "insert-shape", "Insert Shape", RunInsertShape, kShapeStrengthSize},
    {Menu::Mix, 4, "outline", "Outline", RunOutlineShape, kShapeStrengthSize},
    {Menu::Mix, 5, "", "-", nullptr},
    {Menu::Mix, 6, "slide-image", "Slide Image", [](CommandContext& c) { SlideImage(c.ws.m, c.call, c.ws.Pic4, c.ws.Pic2); },
     static_cast<Inputs>(Input::ImageB)},
};

}  // namespace

std::span<const CatalogueEntry> MixMenuRows() { return kRows; }

}  // namespace pixmora
