#include "session/recipe/recipe.h"

namespace pixmora {

Inputs RecipeStep::Reads() const {
  if (kind == Kind::Flatten) return static_cast<Inputs>(Input::Colour2);
  const CatalogueEntry* entry = kind == Kind::Command ? FindEntry(menu, index) : nullptr;
  return entry ? entry->reads : 0;
}

bool RecipeStep::ShowsBackColour() const { return kind == Kind::Rotate || Has(Reads(), Input::BackColour); }

}  // namespace pixmora
