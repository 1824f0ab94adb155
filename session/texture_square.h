// What Save Texture (256x256) resamples: the whole result, as the design
// fits it, or a square of it, so that a texture need not be squashed.
#pragma once
#include <optional>

#include "core/call_context.h"
#include "core/picture.h"
#include "ops/image/selection.h"

namespace pixmora {

enum class TextureFit {
  Whole,            // the whole result, squashed or stretched to a square
  CentreSquare,     // the largest square at the result's centre
  SelectionSquare,  // the largest square at the centre of the selection's box
};

// The part of a width x height result the texture is made from; the
// selection's square only with a selection whose box lies within the result.
std::optional<Box> TextureBox(int width, int height, TextureFit fit, const std::optional<Selection>& selection);

// That part of the result, as its own picture (the result itself when whole);
// null when the fit cannot be had.
Picture TexturePicture(const Picture& result, TextureFit fit, const std::optional<Selection>& selection);

}  // namespace pixmora
