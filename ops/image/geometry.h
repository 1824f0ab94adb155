// The Image menu's pictures made from image A by moving its pixels: a box
// cut out, a mirror image, a quarter turn. Every pixel is copied exactly,
// its alpha (when the picture has transparency) with it.
// The columns are shared among the call's threads; a cancelled call stops
// between columns.
#pragma once

#include "core/call_context.h"
#include "core/picture.h"
#include "ops/image/selection.h"

namespace pixmora {

// box lies within the picture.
Picture Cropped(const CallContext& call, const PixelBuffer& picture, const Box& box);

enum class Mirror { Horizontal, Vertical };  // left and right change places; top and bottom
Picture Mirrored(const CallContext& call, const PixelBuffer& picture, Mirror mirror);

// A quarter turn anticlockwise (left) or clockwise (right): width and height
// change places.
enum class QuarterTurn { Left, Right };
Picture Turned(const CallContext& call, const PixelBuffer& picture, QuarterTurn turn);

}  // namespace pixmora
