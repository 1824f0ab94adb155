// ColorRef (0x00BBGGRR) and the colour composition rule RGB(r, g, b).
#pragma once
#include <algorithm>
#include <cstdint>

#include "core/numeric.h"

namespace pixmora {

using ColorRef = uint32_t;

// What a pixel read outside a surface answers (-1 as a signed value).
constexpr ColorRef kInvalidColour = 0xFFFFFFFFu;

constexpr ColorRef PackRGB(uint32_t r, uint32_t g, uint32_t b) {
  return r | (g << 8) | (b << 16);
}

// RGB(r, g, b) from 32-bit values: each argument must fit 16 bits and be
// non-negative, otherwise the composing statement fails (false); values above
// 255 are taken as 255. A single OR tests all three ranges at once, because
// only values in 0..32767 leave bits 15..31 clear.
inline bool ComposeRGB(int32_t r, int32_t g, int32_t b, ColorRef& out) {
  if ((static_cast<uint32_t>(r) | static_cast<uint32_t>(g) | static_cast<uint32_t>(b)) > 32767u)
    return false;
  out = PackRGB(static_cast<uint32_t>(std::min(r, 255)), static_cast<uint32_t>(std::min(g, 255)),
                static_cast<uint32_t>(std::min(b, 255)));
  return true;
}

// RGB(r, g, b) from floating-point arguments: each is first rounded half to even.
inline bool ComposeRGB(double r, double g, double b, ColorRef& out) {
  int16_t r16, g16, b16;
  if (!ToInt16(r, r16) || !ToInt16(g, g16) || !ToInt16(b, b16)) return false;
  return ComposeRGB(int32_t{r16}, int32_t{g16}, int32_t{b16}, out);
}

// The channel split used wherever a read pixel is taken apart:
// red = c Mod 256, green = ((c AND &HFFFFFF00) / 256) Mod 256, blue = (c AND &HFF0000) / 65536.
// For a valid colour these are its bytes; for the invalid colour they are -1, -1, 255.
struct Channels {
  int32_t r, g, b;
};

// The bytes of a colour: channel 0 red, 1 green, 2 blue.
inline int32_t ChannelByte(ColorRef c, int channel) {
  return static_cast<int32_t>((c >> (8 * channel)) & 0xFF);
}

inline Channels ChannelBytes(ColorRef c) {
  return {ChannelByte(c, 0), ChannelByte(c, 1), ChannelByte(c, 2)};
}

inline Channels SplitColour(ColorRef c) {
  if (c == kInvalidColour) return {-1, -1, 255};
  return ChannelBytes(c);
}

}  // namespace pixmora
