#include "session/catalogue/command_inputs.h"

namespace pixmora {

namespace {

constexpr InputInfo kInputs[] = {
    {Input::Colour1, "colour 1", "--color1"},   {Input::Colour2, "colour 2", "--color2"},
    {Input::Strength, "strength", "--strength"}, {Input::Size, "size", "--size"},
    {Input::ImageB, "image B", "--image-b"},     {Input::Pattern, "pattern", "--pattern"},
    {Input::Shape, "shape", "--shape"},
};

}  // namespace

std::span<const InputInfo> AllInputs() { return kInputs; }

std::string DescribeInputs(Inputs inputs) {
  std::string text;
  int left = 0;
  for (const InputInfo& info : kInputs) left += Has(inputs, info.input);
  if (left == 0) return "nothing besides image A";
  for (const InputInfo& info : kInputs) {
    if (!Has(inputs, info.input)) continue;
    --left;
    text += info.name;
    text += left > 1 ? ", " : left == 1 ? " and " : "";
  }
  return text;
}

}  // namespace pixmora
