#include "core/flatten.h"

namespace pixmora {

namespace {

// (c * a + k * (255 - a)) / 255 to the nearest whole number: 255 being odd,
// the quotient is never a half, so rounding half to even is rounding up
// from a remainder of 128.
uint32_t Over(ColorRef c, ColorRef k, uint32_t a, int channel) {
  const auto cc = static_cast<uint32_t>(ChannelByte(c, channel));
  const auto kc = static_cast<uint32_t>(ChannelByte(k, channel));
  return (cc * a + kc * (255 - a) + 127) / 255;
}

}  // namespace

Picture Flattened(const Picture& picture, ColorRef back) {
  if (!picture || !picture->GetAlpha()) return picture;
  const AlphaPlane& alpha = *picture->GetAlpha();
  auto flat = std::make_shared<PixelBuffer>(picture->Width(), picture->Height());
  for (int x = 0; x < picture->Width(); ++x) {
    const ColorRef* in = picture->Column(x);
    const uint8_t* a = alpha.Column(x);
    ColorRef* out = flat->Column(x);
    for (int y = 0; y < picture->Height(); ++y)
      out[y] = PackRGB(Over(in[y], back, a[y], 0), Over(in[y], back, a[y], 1), Over(in[y], back, a[y], 2));
  }
  return flat;
}

}  // namespace pixmora
