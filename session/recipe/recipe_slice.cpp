#include "session/recipe/recipe_slice.h"

#include <algorithm>
#include <bitset>

namespace pixmora {

namespace {

// What a step reads and writes: the four pictures and the result.
enum Place { kImageA, kImageB, kPattern, kShape, kResult, kPlaces };
using Places = std::bitset<kPlaces>;

Place PlaceOf(PictureSlot slot) { return static_cast<Place>(static_cast<int>(slot)); }

Places Reads(const RecipeStep& step) {
  Places reads;
  if (step.kind == RecipeStep::Kind::HandOn) return reads.set(kResult);
  if (!step.IsOperation()) return reads;
  reads.set(kImageA);
  const CatalogueEntry* entry =
      step.kind == RecipeStep::Kind::Command ? FindEntry(step.menu, step.index) : nullptr;
  const Inputs inputs = entry ? entry->reads : 0;
  if (Has(inputs, Input::ImageB)) reads.set(kImageB);
  if (Has(inputs, Input::Pattern)) reads.set(kPattern);
  if (Has(inputs, Input::Shape)) reads.set(kShape);
  return reads;
}

Places Writes(const RecipeStep& step) {
  Places writes;
  if (step.IsOperation()) return writes.set(kResult);
  writes.set(PlaceOf(step.slot));
  // Handing the result on clears it.
  if (step.kind == RecipeStep::Kind::HandOn) writes.set(kResult);
  return writes;
}

}  // namespace

Recipe LiveSteps(const Recipe& history) {
  Places live;
  live.set(kResult);
  std::vector<RecipeStep> kept;
  for (auto it = history.steps.rbegin(); it != history.steps.rend(); ++it) {
    const Places writes = Writes(*it);
    if ((writes & live).none()) continue;
    live = (live & ~writes) | Reads(*it);
    kept.push_back(*it);
  }
  std::reverse(kept.begin(), kept.end());
  return Recipe{kept};
}

}  // namespace pixmora
