// The starter textures of the texture library: 256 x 256 tiles painted
// procedurally, each with the file name it is shipped under.
#pragma once
#include <vector>

#include "tools/default_data/painting.h"

namespace pixmora::data {

// Named "001 Wood.bmp", "002 Stone.bmp", ...
std::vector<NamedPicture> PaintTextures();

}  // namespace pixmora::data
