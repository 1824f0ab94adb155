#include "session/recipe/recipe_map.h"

#include <utility>
#include <vector>

namespace pixmora {

namespace {

// The command's map, if it is a mapped command on the whole picture.
PixelMap StepMap(const RecipeStep& step) {
  if (step.kind != RecipeStep::Kind::Command || step.selection) return nullptr;
  const CatalogueEntry* entry = FindEntry(step.menu, step.index);
  return entry && entry->map ? entry->map(step.values) : nullptr;
}

bool HandsOnAsImageA(const RecipeStep& step) {
  return step.kind == RecipeStep::Kind::HandOn && step.slot == Slot::ImageA;
}

}  // namespace

std::optional<MappedRecipe> AsPixelMap(const Recipe& recipe) {
  // The opening, then commands with a hand-on between each two: an even
  // number of steps, the commands at the odd places.
  const std::vector<RecipeStep>& steps = recipe.steps;
  if (steps.size() < 2 || steps.size() % 2 != 0 || steps[0].kind != RecipeStep::Kind::Open ||
      steps[0].slot != Slot::ImageA)
    return std::nullopt;
  std::vector<PixelMap> maps;
  for (size_t i = 1; i < steps.size(); i += 2) {
    PixelMap map = StepMap(steps[i]);
    if (!map || (i > 1 && !HandsOnAsImageA(steps[i - 1]))) return std::nullopt;
    maps.push_back(std::move(map));
  }
  if (maps.size() == 1) return MappedRecipe{steps[0].file, std::move(maps[0])};
  return MappedRecipe{steps[0].file, [maps = std::move(maps)](ColorRef* pixels, int count) {
                        for (const PixelMap& map : maps) map(pixels, count);
                      }};
}

}  // namespace pixmora
