#include "session/recipe/recipe_slice.h"

#include <algorithm>
#include <bitset>

namespace pixmora {

namespace {

// What a step reads and writes, a bit a slot.
using Places = std::bitset<kSlotCount>;
size_t Bit(Slot slot) { return static_cast<size_t>(slot); }

Places Reads(const RecipeStep& step) {
  Places reads;
  if (step.kind == RecipeStep::Kind::HandOn) return reads.set(Bit(Slot::Result));
  if (!step.IsOperation()) return reads;
  reads.set(Bit(Slot::ImageA));
  const Inputs inputs = step.Reads();
  if (Has(inputs, Input::ImageB)) reads.set(Bit(Slot::ImageB));
  if (Has(inputs, Input::Pattern)) reads.set(Bit(Slot::Pattern));
  if (Has(inputs, Input::Shape)) reads.set(Bit(Slot::Shape));
  return reads;
}

Places Writes(const RecipeStep& step) {
  Places writes;
  if (step.IsOperation()) return writes.set(Bit(Slot::Result));
  // A selection of the window's is carried by the operations after it.
  if (!step.PutsPicture()) return writes;
  writes.set(Bit(step.slot));
  // Handing the result on clears it.
  if (step.kind == RecipeStep::Kind::HandOn) writes.set(Bit(Slot::Result));
  return writes;
}

}  // namespace

Recipe LiveSteps(const Recipe& history) {
  Places live;
  live.set(Bit(Slot::Result));
  std::vector<RecipeStep> kept;
  for (auto it = history.steps.rbegin(); it != history.steps.rend(); ++it) {
    const Places writes = Writes(*it);
    if ((writes & live).none()) continue;
    live = (live & ~writes) | Reads(*it);
    kept.push_back(*it);
  }
  std::reverse(kept.begin(), kept.end());
  return Recipe{kept, history.save};
}

}  // namespace pixmora
