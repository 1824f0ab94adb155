// A recipe as one pixel map, when it can be one: for passes that take the
// picture a band of rows at a time and never hold it whole.
#pragma once
#include <optional>
#include <string>

#include "core/pixel_map.h"
#include "session/recipe/recipe.h"

namespace pixmora {

struct MappedRecipe {
  std::string imageA;  // the file the recipe opens as image A
  PixelMap map;        // its commands, one after the other
};

// A recipe that opens image A, then runs on it commands whose every pixel
// depends on that pixel alone (catalogue rows with a map), on the whole
// picture, each result handed on as image A to the next: what its result is
// of an opaque image A. Nothing for any other recipe.
std::optional<MappedRecipe> AsPixelMap(const Recipe& recipe);

}  // namespace pixmora
