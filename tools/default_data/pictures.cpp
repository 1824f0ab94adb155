#include "tools/default_data/pictures.h"

#include <cmath>

namespace pixmora::data {

namespace {

constexpr double kPi = 3.14159265358979323846;

Rgb SkyAt(double v) { return Mix({70, 120, 200}, {235, 200, 160}, std::pow(v, 1.6)); }

}  // namespace

void PaintTreeAt(PixelBuffer& p, double baseX, double baseY, double height, uint32_t seed) {
  const double trunkW = height * 0.06;
  for (int x = static_cast<int>(baseX - trunkW); x <= static_cast<int>(baseX + trunkW); ++x)
    for (int y = static_cast<int>(baseY - height * 0.45); y <= static_cast<int>(baseY); ++y)
      if (x >= 0 && y >= 0 && x < p.Width() && y < p.Height())
        p.Set(x, y, ToColour(Mix({70, 45, 25}, {110, 75, 40}, Noise(x * 0.3, y * 0.05, seed))));
  for (int i = 0; i < 60; ++i) {
    const double a = Noise(i * 1.7, 0.5, seed + 7) * 2 * kPi;
    const double d = Noise(i * 1.3, 2.5, seed + 9) * height * 0.28;
    const double cx = baseX + std::cos(a) * d, cy = baseY - height * 0.68 + std::sin(a) * d * 0.9;
    const double shade = Noise(i * 0.9, 4.5, seed + 11);
    FillDisc(p, cx, cy, height * (0.08 + 0.06 * shade), Mix({25, 85, 30}, {95, 160, 60}, shade));
  }
}

Canvas PaintLandscape(int w, int h, uint32_t seed) {
  Canvas c = NewCanvas(w, h, 0);
  const double horizon = h * 0.55;
  for (int x = 0; x < w; ++x) {
    const double u = static_cast<double>(x) / w;
    const double ridge = horizon - h * (0.12 + 0.18 * Fractal(u * 3, 0.5, seed, 5));
    const double near = horizon + h * (0.02 + 0.08 * Fractal(u * 2, 3.5, seed + 50, 4));
    for (int y = 0; y < h; ++y) {
      const double v = static_cast<double>(y) / h;
      Rgb colour;
      if (y < ridge) {
        colour = SkyAt(v / 0.55);
        const double cloud = Fractal(u * 6, v * 14, seed + 20, 5);
        if (cloud > 0.55) colour = Mix(colour, {250, 250, 250}, std::min(1.0, (cloud - 0.55) * 3));
      } else if (y < near) {
        colour = Mix({90, 110, 140}, {60, 95, 70}, (y - ridge) / (near - ridge + 1));
        colour = Mix(colour, {40, 60, 45}, 0.4 * Fractal(u * 20, v * 20, seed + 30, 3));
      } else if (v < 0.72) {
        const double ripple = Fractal(u * 40, v * 200, seed + 40, 3);
        colour = Mix({40, 80, 130}, {150, 180, 210}, ripple * 0.7);
      } else {
        const double grass = Fractal(u * 30, v * 30, seed + 60, 5);
        colour = Mix({45, 90, 30}, {150, 170, 60}, grass);
        colour = Mix(colour, {90, 70, 40}, 0.3 * Fractal(u * 80, v * 80, seed + 70, 2));
      }
      c->Set(x, y, ToColour(colour));
    }
  }
  FillDisc(*c, w * 0.78, h * 0.16, h * 0.06, {255, 236, 180});
  for (int i = 0; i < 6; ++i)
    PaintTreeAt(*c, w * (0.06 + 0.17 * i + 0.05 * Noise(i, 1, seed)), h * (0.86 + 0.1 * Noise(i, 2, seed)),
                h * (0.25 + 0.12 * Noise(i, 3, seed)), seed + i);
  return c;
}

Canvas PaintPattern() {
  constexpr int w = 171, h = 128;
  Canvas c = NewCanvas(w, h, 0);
  for (int x = 0; x < w; ++x)
    for (int y = 0; y < h; ++y) {
      const double a = std::sin(x * 2 * kPi / w * 3 + std::sin(y * 2 * kPi / h * 2) * 1.5);
      const double b = std::cos(y * 2 * kPi / h * 4 + std::cos(x * 2 * kPi / w) * 2.0);
      c->Set(x, y, ToColour({128 + 110 * a, 128 + 90 * b, 160 + 80 * a * b}));
    }
  return c;
}

Canvas PaintTree(int size, uint32_t seed) {
  Canvas c = NewCanvas(size, size, 0);
  PaintTreeAt(*c, size / 2.0, size * 0.97, size * 0.95, seed);
  return c;
}

}  // namespace pixmora::data
