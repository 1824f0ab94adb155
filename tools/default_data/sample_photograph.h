// The photograph File > Open Sample opens, painted by code.
#pragma once
#include "tools/default_data/painting.h"

namespace pixmora::data {

// A lake below mountains late in the afternoon: a red boathouse on the shore,
// a sailing boat, trees, a meadow of flowers and a fence in front. Made to
// show what the filters do: soft gradients (the sky, the water), hard edges
// (the snow line, the roof, the planks, the fence), fine texture (rock,
// grass, ripples, bark) and strong colours (the flowers, the boat, the house).
Canvas PaintSamplePhotograph(int width, int height, uint32_t seed);

}  // namespace pixmora::data
