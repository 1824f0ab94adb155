#include "session/percent_box.h"

#include "core/numeric.h"

namespace pixmora {

Box InPixels(const Box& box, const PercentFlags& percent, int width, int height) {
  const int values[] = {box.x, box.y, box.width, box.height};
  const int sides[] = {width, height, width, height};
  int pixels[4];
  for (int i = 0; i < 4; ++i)
    pixels[i] = percent[i] ? static_cast<int>(RoundHalfEven(double(sides[i]) * values[i] / 100.0)) : values[i];
  return {pixels[0], pixels[1], pixels[2], pixels[3]};
}

std::string BoxText(const Box& box, const PercentFlags& percent) {
  const int values[] = {box.x, box.y, box.width, box.height};
  std::string text;
  for (int i = 0; i < 4; ++i)
    text += (i ? "," : "") + std::to_string(values[i]) + (percent[i] ? "%" : "");
  return text;
}

}  // namespace pixmora
