// Boxes as recipes may give them: each of x, y, width and height in pixels,
// or in percent of image A's width or height ("select=10%,10%,50%,50%"),
// which each picture's own size turns into pixels.
#pragma once
#include <array>
#include <string>

#include "ops/image/selection.h"

namespace pixmora {

// Which of a box's x, y, width and height are percentages.
using PercentFlags = std::array<bool, 4>;

// The box on a picture of that size: a percentage p of a side s is
// RoundHalfEven(s * p / 100) pixels.
Box InPixels(const Box& box, const PercentFlags& percent, int width, int height);

// "10,10,50%,50%", as recipes write it.
std::string BoxText(const Box& box, const PercentFlags& percent = {});

}  // namespace pixmora
