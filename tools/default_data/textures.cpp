#include "tools/default_data/textures.h"

#include <cmath>
#include <cstdio>

namespace pixmora::data {

namespace {

constexpr int kSide = 256;
constexpr double kTau = 6.28318530717958647692;

double Fract(double v) { return v - std::floor(v); }
double Clamp01(double v) { return std::fmin(1.0, std::fmax(0.0, v)); }

Rgb Wood(double u, double v) {
  const double warp = TileFractal(u, v, 2, 4, 11, 4);
  const double rings = 0.5 + 0.5 * std::sin((u * 9 + warp * 2.5) * kTau);
  const double grain = TileFractal(u, v, 64, 4, 12, 3);
  Rgb c = Mix({105, 62, 30}, {196, 140, 82}, std::pow(rings, 0.8));
  return Mix(c, {80, 45, 20}, 0.35 * grain);
}

Rgb Stone(double u, double v) {
  const double base = TileFractal(u, v, 4, 4, 21, 6);
  const double crack = std::fabs(TileFractal(u, v, 3, 3, 22, 4) - 0.5);
  Rgb c = Mix({95, 92, 86}, {178, 170, 156}, base);
  if (crack < 0.018) c = Mix(c, {45, 42, 40}, 1 - crack / 0.018);
  return c;
}

// Four bricks a row, eight rows, every other row shifted by half a brick.
Rgb Bricks(double u, double v) {
  const int row = static_cast<int>(v * 8);
  const double x = Fract(u * 4 + (row % 2) * 0.5), y = Fract(v * 8);
  const int brick = static_cast<int>(std::floor(u * 4 + (row % 2) * 0.5)) % 4;
  const double mortarX = 0.035, mortarY = 0.07;
  const double dirt = TileFractal(u, v, 16, 16, 31, 3);
  if (x < mortarX || y < mortarY) return Mix({170, 165, 150}, {120, 115, 105}, dirt);
  const double shade = Noise(brick, row, 32);
  Rgb c = Mix({140, 52, 34}, {185, 88, 58}, shade);
  return Mix(c, {90, 40, 30}, 0.5 * dirt);
}

Rgb Marble(double u, double v) {
  const double warp = TileFractal(u, v, 3, 3, 41, 5);
  const double s = std::sin((u + v + warp * 2.2) * 2 * kTau);
  const double vein = std::pow(1 - std::fabs(s), 10);
  Rgb c = Mix({236, 232, 226}, {214, 210, 206}, TileFractal(u, v, 8, 8, 42, 3));
  return Mix(c, {80, 85, 95}, 0.8 * vein);
}

Rgb Grass(double u, double v) {
  const double blades = TileFractal(u, v, 96, 8, 51, 3);
  const double patches = TileFractal(u, v, 4, 4, 52, 4);
  Rgb c = Mix({38, 90, 28}, {120, 175, 60}, blades);
  return Mix(c, {150, 150, 60}, 0.3 * patches);
}

Rgb Water(double u, double v) {
  const double a = TileFractal(u, v, 6, 6, 61, 4), b = TileFractal(u, v, 5, 7, 62, 4);
  const double caustic = std::pow(1 - std::fabs(a - b) * 2, 12);
  Rgb c = Mix({20, 70, 125}, {45, 125, 175}, TileFractal(u, v, 3, 3, 63, 3));
  return Mix(c, {200, 235, 250}, Clamp01(caustic));
}

Rgb Clouds(double u, double v) {
  const double n = TileFractal(u, v, 4, 4, 71, 6);
  return Mix({80, 140, 215}, {250, 250, 252}, Clamp01((n - 0.35) * 2.2));
}

Rgb Rust(double u, double v) {
  const double n = TileFractal(u, v, 4, 4, 81, 6);
  const double spots = TileFractal(u, v, 16, 16, 82, 3);
  Rgb c = Mix({95, 45, 20}, {185, 95, 40}, n);
  return Mix(c, {120, 120, 115}, Clamp01((spots - 0.6) * 3));
}

// Threads over and under: a plain weave.
Rgb Fabric(double u, double v) {
  const double warpThread = std::fabs(std::sin(u * 32 * kTau / 2));
  const double weftThread = std::fabs(std::sin(v * 32 * kTau / 2));
  const bool warpOnTop = (static_cast<int>(u * 32) + static_cast<int>(v * 32)) % 2 == 0;
  const double t = warpOnTop ? warpThread : weftThread;
  Rgb c = warpOnTop ? Rgb{60, 80, 140} : Rgb{175, 60, 55};
  return Mix({25, 25, 35}, c, 0.45 + 0.55 * t);
}

Rgb Tiles(double u, double v) {
  const double x = Fract(u * 4), y = Fract(v * 4);
  const double grout = 0.04;
  if (x < grout || y < grout) return {205, 200, 190};
  const int tile = static_cast<int>(u * 4) + 4 * static_cast<int>(v * 4);
  const double glaze = TileFractal(u, v, 32, 32, 91, 2);
  Rgb c = (tile + tile / 4) % 2 ? Rgb{40, 105, 120} : Rgb{232, 228, 215};
  return Mix(c, {255, 255, 255}, 0.12 * glaze + 0.1 * (1 - y));
}

Rgb Lava(double u, double v) {
  const double crust = TileFractal(u, v, 5, 5, 101, 5);
  const double glow = std::pow(1 - std::fabs(TileFractal(u, v, 3, 3, 102, 4) - 0.5) * 2, 14);
  Rgb c = Mix({30, 22, 20}, {70, 50, 45}, crust);
  return Mix(c, Mix({220, 60, 10}, {255, 210, 80}, glow), Clamp01(glow * 1.4));
}

Rgb Sand(double u, double v) {
  const double ripples = 0.5 + 0.5 * std::sin((v * 10 + TileFractal(u, v, 3, 2, 121, 3) * 1.5) * kTau);
  const double grain = TileNoise(u, v, 128, 128, 122);
  Rgb c = Mix({200, 170, 120}, {232, 206, 160}, ripples);
  return Mix(c, {160, 130, 90}, 0.35 * grain);
}

struct Recipe {
  const char* name;
  Rgb (*paint)(double, double);
};

constexpr Recipe kRecipes[] = {
    {"Wood", Wood},     {"Stone", Stone},   {"Bricks", Bricks}, {"Marble", Marble},
    {"Grass", Grass},   {"Water", Water},   {"Clouds", Clouds}, {"Rust", Rust},
    {"Fabric", Fabric}, {"Tiles", Tiles},   {"Lava", Lava},     {"Sand", Sand},
};

}  // namespace

std::vector<NamedPicture> PaintTextures() {
  std::vector<NamedPicture> textures;
  int number = 1;
  for (const Recipe& r : kRecipes) {
    char name[64];
    std::snprintf(name, sizeof name, "%03d %s.bmp", number++, r.name);
    textures.push_back({name, PaintSquare(kSide, r.paint)});
  }
  return textures;
}

}  // namespace pixmora::data
