#include "tools/default_data/sample_photograph.h"

#include <algorithm>
#include <cmath>

#include "tools/default_data/pictures.h"

namespace pixmora::data {

namespace {

constexpr double kLake = 0.52;  // where the water begins, as a part of the height
constexpr double kFoot = 0.36;  // the mountains' lowest ridge

// The mountains' ridge at u: peaks that rise from the foot in straight
// flanks, roughened.
double RidgeAt(double u, uint32_t seed) {
  // Each peak: where it stands, how high it rises, how wide its flanks are.
  static constexpr double kPeaks[][3] = {{0.1, 0.18, 0.3}, {0.33, 0.1, 0.3}, {0.57, 0.21, 0.22},
                                         {0.76, 0.13, 0.3}, {0.98, 0.19, 0.25}};
  double ridge = kFoot;
  for (const auto& [at, top, width] : kPeaks) ridge = std::min(ridge, top + std::abs(u - at) / width * (kFoot - top));
  return ridge + 0.02 * (Fractal(u * 25, 0.5, seed, 5) - 0.5);
}

// The sky and the mountains at u, v (v above the lake): what the water mirrors.
Rgb Landscape(double u, double v, uint32_t seed) {
  const double farRidge = RidgeAt(u, seed);
  const double nearRidge = 0.43 + 0.06 * Fractal(u * 4, 1.5, seed + 1, 5);
  // Crowns of trees and grains of rock, a few pixels each.
  const double grain = 0.8 + 0.4 * Noise(u * 900, v * 900, seed + 12);
  if (v >= nearRidge) {  // forested hills
    const Rgb forest = Mix({28, 62, 36}, {78, 108, 58}, Fractal(u * 70, v * 70, seed + 2, 3) * grain);
    return Mix(forest, {20, 40, 30}, (v - nearRidge) / (kLake - nearRidge + 0.001) * 0.5);
  }
  if (v >= farRidge) {  // rock in gullies, hazier down to the foot; snow above a line, rock breaking through
    const double rock = Fractal(u * 40, v * 40, seed + 3, 4);
    const double gully = Fractal(u * 18 + v * 9, v * 3, seed + 4, 4);
    const double light = (1.1 - 0.5 * (v - farRidge) / (kLake - farRidge)) * (0.75 + 0.5 * gully) * grain;
    const double snowLine = 0.23 + 0.06 * Fractal(u * 30, v * 8, seed + 5, 3);
    const bool snow = v < snowLine && Fractal(u * 70, v * 25, seed + 11, 3) < 0.62;
    const Rgb stone = snow ? Mix({205, 210, 230}, {252, 252, 255}, rock) : Mix({80, 88, 115}, {140, 140, 155}, rock);
    return {stone.r * light, stone.g * light, stone.b * light};
  }
  Rgb sky = Mix({35, 75, 160}, {250, 185, 120}, std::pow(v / kLake, 1.4));
  const double sun = std::hypot((u - 0.72) * 1.5, v - 0.16);
  sky = Mix(sky, {255, 240, 200}, std::exp(-sun * sun * 60));
  if (sun < 0.035) return {255, 250, 225};
  const double cloud = Fractal(u * 5, v * 14, seed + 6, 5);
  if (cloud > 0.56) sky = Mix(sky, Mix({255, 235, 215}, {150, 140, 165}, v * 3), std::min(1.0, (cloud - 0.56) * 4));
  return sky;
}

// The lake mirrors what stands above it, broken by ripples; the meadow is
// grass, finer towards the front.
Rgb Ground(double u, double v, double shore, int w, int h, uint32_t seed) {
  if (v < shore) {
    const double ripple = Fractal(u * 25, v * 500, seed + 7, 3);
    const Rgb mirrored = Landscape(u + 0.006 * (ripple - 0.5), 2 * kLake - v, seed);
    const Rgb water = Mix(mirrored, {20, 50, 70}, 0.35);
    const double light = 0.85 + 0.3 * ripple;
    return {water.r * light, water.g * light, water.b * light};
  }
  const Rgb grass = Mix({55, 105, 30}, {160, 175, 60}, Fractal(u * 40, v * 40, seed + 8, 4));
  const double blade = 0.75 + 0.5 * Noise(u * w / 2.0, v * h / 7.0, seed + 9);
  return {grass.r * blade, grass.g * blade, grass.b * blade};
}

// Fills the pixels of box for which inside holds, each with colour(x, y).
template <class Inside, class Colour>
void FillWhere(PixelBuffer& p, double x0, double y0, double x1, double y1, Inside inside, Colour colour) {
  for (int x = std::max(0, static_cast<int>(x0)); x <= std::min(p.Width() - 1, static_cast<int>(x1)); ++x)
    for (int y = std::max(0, static_cast<int>(y0)); y <= std::min(p.Height() - 1, static_cast<int>(y1)); ++y)
      if (inside(x + 0.5, y + 0.5)) p.Set(x, y, ToColour(colour(x, y)));
}

template <class Colour>
void FillRect(PixelBuffer& p, double x0, double y0, double x1, double y1, Colour colour) {
  FillWhere(p, x0, y0, x1, y1, [](double, double) { return true; }, colour);
}

// A triangle with its apex at (ax, ay) over the base from x0 to x1 at y.
void FillTriangle(PixelBuffer& p, double ax, double ay, double x0, double x1, double y, Rgb colour) {
  const auto inside = [=](double x, double py) {
    const double t = (py - ay) / (y - ay);
    return t >= 0 && t <= 1 && x >= ax + (x0 - ax) * t && x <= ax + (x1 - ax) * t;
  };
  FillWhere(p, std::min({ax, x0, x1}), std::min(ay, y), std::max({ax, x0, x1}), std::max(ay, y), inside,
            [=](int, int) { return colour; });
}

// Red planks under a dark roof, with white windows and a dark door.
void PaintBoathouse(PixelBuffer& p, double left, double right, double ground, double height, uint32_t seed) {
  const double top = ground - height, plank = (right - left) / 24;
  FillRect(p, left, top, right, ground, [=](int x, int y) {
    const Rgb wood = Mix({150, 30, 28}, {190, 55, 45}, Noise(x * 0.05, y * 0.004, seed));
    return std::fmod(x - left, plank) < 2 ? Rgb{90, 18, 18} : wood;
  });
  const double apex = top - height * 0.55, middle = (left + right) / 2, eaves = (right - left) / 2 + plank;
  FillTriangle(p, middle, apex, middle - eaves, middle + eaves, top, {55, 52, 58});
  for (double y = apex + height * 0.05; y < top; y += height * 0.06) {  // rows of shingles
    const double reach = (y - apex) / (top - apex) * eaves;
    FillRect(p, middle - reach, y, middle + reach, y + 1.5, [](int, int) { return Rgb{35, 33, 38}; });
  }
  const double pane = height * 0.22;
  for (double cx : {left + (right - left) * 0.22, left + (right - left) * 0.78}) {
    FillRect(p, cx - pane / 2 - 3, top + height * 0.25 - 3, cx + pane / 2 + 3, top + height * 0.25 + pane + 3,
             [](int, int) { return Rgb{245, 245, 240}; });
    FillRect(p, cx - pane / 2, top + height * 0.25, cx + pane / 2, top + height * 0.25 + pane,
             [](int, int) { return Rgb{40, 60, 80}; });
  }
  FillRect(p, (left + right) / 2 - pane * 0.6, ground - height * 0.6, (left + right) / 2 + pane * 0.6, ground,
           [](int, int) { return Rgb{45, 30, 25}; });
}

// A white hull with a blue stripe, a mast and a sail.
void PaintBoat(PixelBuffer& p, double cx, double waterline, double size) {
  const double half = size / 2, hull = size * 0.18;
  const auto inHull = [=](double x, double y) {
    const double t = (y - (waterline - hull)) / hull;
    return t >= 0 && t <= 1 && std::abs(x - cx) <= half * (1 - 0.3 * t);
  };
  FillWhere(p, cx - half, waterline - hull, cx + half, waterline, inHull,
            [=](int, int y) { return y < waterline - hull * 0.55 ? Rgb{30, 70, 170} : Rgb{240, 240, 235}; });
  FillRect(p, cx - 2, waterline - hull - size * 0.9, cx + 2, waterline - hull, [](int, int) { return Rgb{70, 50, 30}; });
  FillTriangle(p, cx + 4, waterline - hull - size * 0.88, cx + 4, cx + half * 0.9, waterline - hull - size * 0.08,
               {250, 245, 225});
}

// Dots of colour over the grass, in patches, smaller towards the water.
// (Noise on whole numbers is its lattice: uniform, unrelated values.)
void PaintFlowers(PixelBuffer& p, double shore, uint32_t seed) {
  const Rgb colours[] = {{215, 30, 40}, {250, 210, 40}, {150, 70, 190}, {250, 250, 245}, {245, 130, 30}};
  const int count = p.Width() * p.Height() / 600;
  for (int i = 0; i < count; ++i) {
    const double u = Noise(i, 0, seed), v = shore + (1 - shore) * Noise(i, 1, seed);
    if (Fractal(u * 6, v * 10, seed + 3, 3) < 0.45) continue;
    const double radius = p.Height() * (0.0008 + 0.0035 * (v - shore) / (1 - shore));
    FillDisc(p, u * p.Width(), v * p.Height(), radius, colours[static_cast<int>(Noise(i, 2, seed) * 5)]);
  }
}

// Posts and two rails of weathered wood across the front.
void PaintFence(PixelBuffer& p, double top, uint32_t seed) {
  const double w = p.Width(), h = p.Height(), post = w * 0.009, rail = h * 0.012;
  const auto wood = [=](int x, int y) {
    return Mix({95, 70, 45}, {165, 135, 95}, Fractal(x * 0.02, y * 0.3, seed, 3));
  };
  for (double y : {top + h * 0.04, top + h * 0.1}) FillRect(p, 0, y, w, y + rail, wood);
  for (double x = w * 0.03; x < w; x += w * 0.07) FillRect(p, x, top, x + post, top + h * 0.16, wood);
}

}  // namespace

Canvas PaintSamplePhotograph(int w, int h, uint32_t seed) {
  Canvas c = NewCanvas(w, h, 0);
  for (int x = 0; x < w; ++x) {
    const double u = static_cast<double>(x) / w;
    const double shore = 0.66 + 0.03 * Fractal(u * 3, 6.5, seed + 10, 4);
    for (int y = 0; y < h; ++y) {
      const double v = static_cast<double>(y) / h;
      c->Set(x, y, ToColour(v < kLake ? Landscape(u, v, seed) : Ground(u, v, shore, w, h, seed)));
    }
  }
  PaintBoathouse(*c, w * 0.1, w * 0.26, h * 0.665, h * 0.11, seed);
  PaintBoat(*c, w * 0.58, h * 0.6, h * 0.09);
  for (int i = 0; i < 5; ++i)
    PaintTreeAt(*c, w * (0.74 + 0.06 * i), h * (0.67 + 0.02 * Noise(i, 4.5, seed)), h * (0.2 + 0.08 * Noise(i, 5.5, seed)),
                seed + i);
  PaintTreeAt(*c, w * 0.04, h * 0.68, h * 0.24, seed + 9);
  PaintFlowers(*c, 0.7, seed + 20);
  PaintFence(*c, h * 0.8, seed + 30);
  return c;
}

}  // namespace pixmora::data
