// What a command reads besides image A: the side panel's values, the
// other pictures, the random source and the result's back colour. Each
// catalogue row declares it once; the batch tool's `list --inputs`, its
// warnings about options nobody reads, the window's tooltips and the recipes
// all take it from there.
#pragma once
#include <cstdint>
#include <span>
#include <string>

namespace pixmora {

enum class Input : uint16_t {
  Colour1 = 1 << 0,
  Colour2 = 1 << 1,
  Strength = 1 << 2,
  Size = 1 << 3,
  ImageB = 1 << 4,
  Pattern = 1 << 5,
  Shape = 1 << 6,
  Random = 1 << 7,  // the random source: its draws depend on where it stands
  // The result's back colour (the colour scheme's, unless Rectangles made it
  // black): what the command leaves of its cleared result shows it.
  BackColour = 1 << 8,
};

// A set of inputs.
using Inputs = uint16_t;
constexpr Inputs operator|(Input a, Input b) {
  return static_cast<Inputs>(static_cast<Inputs>(a) | static_cast<Inputs>(b));
}
constexpr Inputs operator|(Inputs a, Input b) { return static_cast<Inputs>(a | static_cast<Inputs>(b)); }
constexpr bool Has(Inputs set, Input input) { return (set & static_cast<Inputs>(input)) != 0; }

struct InputInfo {
  Input input;
  const char* name;    // as messages name it: "colour 1", "image B"
  const char* option;  // the batch tool's option: "--color1", "--image-b"
};

// Every input, in the side panel's order, then the pictures.
std::span<const InputInfo> AllInputs();

// "colour 1, strength and image B"; "nothing besides image A" for none.
std::string DescribeInputs(Inputs inputs);

}  // namespace pixmora
