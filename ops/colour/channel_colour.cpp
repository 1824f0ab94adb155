// Each routine is a per-pixel kernel run by RunPerPixel. The planes hold
// LoadPlanes' values (-1..255) when a routine starts, so none of the 32-bit
// sums here can overflow; only the composition can fail.
#include "ops/colour/channel_colour.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/operation_frame.h"

namespace pixmora {

namespace {

// A value above 255 becomes 255, then one below 0 becomes 0 (two statements).
inline void Clamp(int32_t& v) {
  v = std::min(v, 255);
  v = std::max(v, 0);
}

struct ShiftKernel : NothingOutside {
  static constexpr bool kIndependentPixels = true;
  int32_t dr, dg, db;
  bool Pixel(int32_t& R, int32_t& G, int32_t& B, ColorRef& out) {
    R += dr, G += dg, B += db;
    Clamp(R), Clamp(G), Clamp(B);
    return ComposeRGB(R, G, B, out);
  }
};

// The share of a sum of 32-bit values divided by a divisor other than 0
// always fits 32 bits, so every pixel computes its own share and nothing
// carries over from one pixel to the next.
// The sum of LoadPlanes' values is at most 765 and 0 < |d| < 32768, so the
// division in single precision rounds to the same integer as in double: a
// quotient that is not a half lies at least 1 / (2|d|) from one, far more than
// a float's rounding error at that size, and a half is exact in both. Single
// precision divides twice as many pixels at once.
struct BrightnessKernel : NothingOutside {
  static constexpr bool kIndependentPixels = true;
  float d;
  static int32_t Share(Channels c, float d) {
    return static_cast<int32_t>(std::nearbyint(static_cast<float>(std::abs(c.r + c.g + c.b)) / d));
  }
  bool Pixel(int32_t& R, int32_t& G, int32_t& B, ColorRef& out) const {
    const int32_t delta = Share({R, G, B}, d);
    R += delta, G += delta, B += delta;
    Clamp(R), Clamp(G), Clamp(B);
    return ComposeRGB(R, G, B, out);
  }
};

// Picks three composed channels from the pixel's own values, planes untouched.
template <class Pick>
struct ComposeKernel : NothingOutside {
  static constexpr bool kIndependentPixels = true;
  Pick pick;
  bool Pixel(int32_t& R, int32_t& G, int32_t& B, ColorRef& out) {
    const Channels c = pick(R, G, B);
    return ComposeRGB(c.r, c.g, c.b, out);
  }
};

// A mode outside the listed ones writes no pixel, but the frame still runs.
struct NoWriteKernel : NothingOutside {
  static constexpr bool kIndependentPixels = true;
  bool Pixel(int32_t&, int32_t&, int32_t&, ColorRef&) { return false; }
};

struct GrayscaleKernel : NothingOutside {
  static constexpr bool kIndependentPixels = true;
  bool Pixel(int32_t& R, int32_t& G, int32_t& B, ColorRef& out) {
    ToInt32((R * 0.3 + G * 0.59) + B * 0.11, R);
    Clamp(R);
    G = R, B = R;
    return ComposeRGB(R, R, R, out);
  }
};

// What a routine does with its kernel: runs it over the target, or makes a
// pixel map of it. Each routine picks its kernel in one place for both.
struct RunOver {
  Module1& m;
  const CallContext& call;
  PictureSurface& target;
  template <class Kernel>
  void operator()(Kernel kernel) const {
    RunPerPixel(m, call, target, kernel);
  }
};

struct MakeMap {
  template <class Kernel>
  PixelMap operator()(Kernel kernel) const {
    return MapOf(kernel);
  }
};

template <class Use, class Pick>
auto Compose(Use use, Pick pick) {
  return use(ComposeKernel<Pick>{{}, pick});
}

template <class Use>
auto Shift(Use use, int16_t red, int16_t green, int16_t blue, int16_t add) {
  const int sign = add == -1 ? 1 : -1;
  return use(ShiftKernel{{}, sign * red, sign * green, sign * blue});
}

template <class Use>
auto Delete(Use use, int16_t mode) {
  switch (mode) {
    case 0: return Compose(use, [](int32_t, int32_t g, int32_t b) { return Channels{0, g, b}; });
    case 1: return Compose(use, [](int32_t r, int32_t, int32_t b) { return Channels{r, 0, b}; });
    case 2: return Compose(use, [](int32_t r, int32_t g, int32_t) { return Channels{r, g, 0}; });
  }
  return use(NoWriteKernel{});
}

template <class Use>
auto Reverse(Use use, int16_t mode) {
  switch (mode) {
    case 0: return Compose(use, [](int32_t r, int32_t g, int32_t b) { return Channels{g, r, b}; });
    case 1: return Compose(use, [](int32_t r, int32_t g, int32_t b) { return Channels{b, g, r}; });
    case 2: return Compose(use, [](int32_t r, int32_t g, int32_t b) { return Channels{r, b, g}; });
  }
  return use(NoWriteKernel{});
}

template <class Use>
auto Negative(Use use, int16_t mode) {
  switch (mode) {
    case 0: return Compose(use, [](int32_t r, int32_t g, int32_t b) { return Channels{r ^ 255, g, b}; });
    case 1: return Compose(use, [](int32_t r, int32_t g, int32_t b) { return Channels{r, g ^ 255, b}; });
    case 2: return Compose(use, [](int32_t r, int32_t g, int32_t b) { return Channels{r, g, b ^ 255}; });
    case 3:
      return Compose(use, [](int32_t r, int32_t g, int32_t b) { return Channels{r ^ 255, g ^ 255, b ^ 255}; });
  }
  return use(NoWriteKernel{});
}

}  // namespace

void ShiftColors(Module1& m, const CallContext& call, PictureSurface& target, int16_t red,
                 int16_t green, int16_t blue, int16_t add) {
  Shift(RunOver{m, call, target}, red, green, blue, add);
}

void Brightness(Module1& m, const CallContext& call, PictureSurface& target, int16_t strength) {
  const auto d = static_cast<int16_t>(strength >= 1 ? 11 - strength : -11 - strength);
  // The share is kept in PixelColour. For d = 0 the division fails on every
  // pixel and the share it held before is added throughout.
  if (d == 0) {
    const int32_t delta = m.PixelColour;
    ShiftKernel kernel{{}, delta, delta, delta};
    return RunPerPixel(m, call, target, kernel);
  }
  // What stays in PixelColour is the share of the last pixel treated, taken
  // before its planes change.
  const int lastX = std::min(target.Width(), m.planes.Width()) - 1;
  const int lastY = std::min(target.Height(), m.planes.Height()) - 1;
  if (lastX >= 0 && lastY >= 0) {
    m.PixelColour = BrightnessKernel::Share(m.planes.Peek(lastX, lastY), static_cast<float>(d));
  }
  BrightnessKernel kernel{{}, static_cast<float>(d)};
  RunPerPixel(m, call, target, kernel);
}

void DeleteComponent(Module1& m, const CallContext& call, PictureSurface& target, int16_t mode) {
  Delete(RunOver{m, call, target}, mode);
}

void ReverseComponents(Module1& m, const CallContext& call, PictureSurface& target, int16_t mode) {
  Reverse(RunOver{m, call, target}, mode);
}

void ComponentNegative(Module1& m, const CallContext& call, PictureSurface& target, int16_t mode) {
  Negative(RunOver{m, call, target}, mode);
}

void Grayscale(Module1& m, const CallContext& call, PictureSurface& target) {
  RunOver{m, call, target}(GrayscaleKernel{});
}

PixelMap ShiftColorsMap(int16_t red, int16_t green, int16_t blue, int16_t add) {
  return Shift(MakeMap{}, red, green, blue, add);
}
PixelMap DeleteComponentMap(int16_t mode) { return Delete(MakeMap{}, mode); }
PixelMap ReverseComponentsMap(int16_t mode) { return Reverse(MakeMap{}, mode); }
PixelMap ComponentNegativeMap(int16_t mode) { return Negative(MakeMap{}, mode); }
PixelMap GrayscaleMap() { return MakeMap{}(GrayscaleKernel{}); }

}  // namespace pixmora
