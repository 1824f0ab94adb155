// The shape pictures of the "slide" folder: bright figures on black, black
// being what the shape commands leave out.
#pragma once
#include <vector>

#include "tools/default_data/painting.h"

namespace pixmora::data {

// "star.bmp", "heart.bmp", "leaf.bmp".
std::vector<NamedPicture> PaintShapes();

}  // namespace pixmora::data
