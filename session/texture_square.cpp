#include "session/texture_square.h"

#include <algorithm>

#include "ops/image/geometry.h"

namespace pixmora {

namespace {

Box CentreSquare(const Box& box) {
  const int side = std::min(box.width, box.height);
  return {box.x + (box.width - side) / 2, box.y + (box.height - side) / 2, side, side};
}

}  // namespace

std::optional<Box> TextureBox(int width, int height, TextureFit fit, const std::optional<Selection>& selection) {
  const Box whole{0, 0, width, height};
  switch (fit) {
    case TextureFit::Whole: return whole;
    case TextureFit::CentreSquare: return CentreSquare(whole);
    case TextureFit::SelectionSquare: break;
  }
  if (!selection || !selection->box.Within(width, height)) return std::nullopt;
  return CentreSquare(selection->box);
}

Picture TexturePicture(const Picture& result, TextureFit fit, const std::optional<Selection>& selection) {
  if (!result) return nullptr;
  const std::optional<Box> box = TextureBox(result->Width(), result->Height(), fit, selection);
  if (!box) return nullptr;
  if (fit == TextureFit::Whole) return result;
  return Cropped(CallContext{}, *result, *box);
}

}  // namespace pixmora
